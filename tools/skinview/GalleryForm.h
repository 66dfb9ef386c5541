#pragma once
#include "framework/win/Buttons.h"
#include "framework/win/CheckBox.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/ComboBoxEx.h"
#include "framework/win/DateTimePicker.h"
#include "framework/win/ExtCtrls.h"
#include "framework/win/Form.h"
#include "framework/win/Grids.h"
#include "framework/win/Handles.h"
#include "framework/win/ImageList.h"
#include "framework/win/ListView.h"
#include "framework/win/Menu.h"
#include "framework/win/ScrollBar.h"
#include "framework/win/ScrollBox.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/TabControls.h"
#include "framework/win/ToolBar.h"
#include "framework/win/TreeView.h"
#include "skin/win/SkinEngine.h"

namespace zentavo {

// The gallery: at least one of every control kind the skin engine wraps, in the states a
// skin must show (checked, grayed, disabled, focused, scrolled, with pictures).
class TfrmGallery : public TForm {
  ZENTAVO_CLASS(TfrmGallery, TForm)
 public:
  explicit TfrmGallery(TComponent* owner);

  TMainMenu& MainMenu1;
  TMenuItem& N_Skin;
  TMenuItem& N_Active;
  TMenuItem& N_Windows;
  TMenuItem& N_Dialog;
  TMenuItem& N_ToolWindow;
  TsuiSkinEngine& suiSkinEngine;

 private:
  void BuildStandardControls();
  void BuildListsAndGrids();
  void BuildCommonControls();
  TImageList* images_ = nullptr;
  TWinControl* focused_ = nullptr;
  IconHandle bigIcon_, smallIcon_;
};

}  // namespace zentavo
