#pragma once
#include <string>

#include "framework/win/Form.h"
#include "framework/win/Menu.h"
#include "framework/win/StdCtrls.h"
#include "skin/win/SkinEngine.h"

namespace zentavo {

// A fixed dialog frame with the usual buttons.
class TfrmDialog : public TForm {
  ZENTAVO_CLASS(TfrmDialog, TForm)
 public:
  explicit TfrmDialog(TComponent* owner);
};

// A sizeable tool window (small caption).
class TfrmToolWindow : public TForm {
  ZENTAVO_CLASS(TfrmToolWindow, TForm)
 public:
  explicit TfrmToolWindow(TComponent* owner);
};

// Asks for the password of an encrypted package; Ask answers it, or nothing when cancelled.
class TfrmPassword : public TForm {
  ZENTAVO_CLASS(TfrmPassword, TForm)
 public:
  explicit TfrmPassword(TComponent* owner);
  // Shows the box until OK or Cancel; true with the typed password on OK.
  bool Ask(const std::string& package, std::string& password);

  TLabel& labelPackage;
  TEdit& textPassword;
  TButton& buttonOK;
  TButton& buttonCancel;

 private:
  int answer_ = 0;
};

// The MDI main form of the --mdi preview, with a Skin menu of its own and a Window menu.
class TfrmMdiPreview : public TForm {
  ZENTAVO_CLASS(TfrmMdiPreview, TForm)
 public:
  explicit TfrmMdiPreview(TComponent* owner);
  TMainMenu& MainMenu1;
  TMenuItem& N_Skin;
  TMenuItem& N_Active;
  TMenuItem& N_Window;
  TsuiSkinEngine& suiSkinEngine;
};

// A document of the MDI preview; it brings its own main menu, which the main form shows
// while the document is active.
class TfrmDocument : public TForm {
  ZENTAVO_CLASS(TfrmDocument, TForm)
 public:
  TfrmDocument(TComponent* owner, const std::string& caption);
};

}  // namespace zentavo
