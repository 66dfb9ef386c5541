#pragma once
#include <windows.h>

#include <memory>

#include "framework/Color.h"
#include "skin/WrapperKind.h"
#include "skin/win/SkinControlVCL.h"
#include "skin/win/SkinScrolled.h"

namespace zentavo {

class TToolBar;
class TToolButton;
class WindowSubclass;

// Up-downs, status bars, tool bars, the list view's column header and grids.

// The up-down, drawn whole by the wrapper; the control keeps its own clicking and repeat.
class TsuiSkinUpDown : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinUpDown; }
  // -1 while the first half (up, or left) is held, 1 the second, 0 none.
  int PressedPart() const { return pressedPart_; }
  bool BeforeMessage(TMessage& message) override;

 protected:
  bool Composes() const override { return true; }
  void Compose(TPaintSurface& surface) override;

 private:
  int pressedPart_ = 0;
};

// The status bar paints itself; the wrapper redraws its size grip.
class TsuiSkinStatusBar : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinStatusBar; }
  bool WantsParentColor() const override { return true; }
  bool BeforeMessage(TMessage& message) override;

 protected:
  bool Composes() const override { return true; }
  void Compose(TPaintSurface& surface) override;
};

// The tool bar is made flat in the skin's tool bar colour, and its hot, pressed and
// checked buttons are drawn by the wrapper.
class TsuiSkinToolBar : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  ~TsuiSkinToolBar() override;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinToolBar; }
  bool WantsParentColor() const override { return true; }
  void Initialize() override;
  void Detach() override;
  void SkinChanged() override;

 private:
  void DrawToolButton(TToolBar* toolBar, TToolButton* button, HDC dc, const RECT& rect, UINT state,
                      bool& defaultDraw);
  void ClearCustomDraw();
  bool savedFlat_ = false;
  TColor savedColor_ = 0;
  bool drawing_ = false;  // our custom-draw handler is installed
};

// The list view keeps its outline and scroll bar overlays; its column header is drawn
// by the wrapper.
class TsuiSkinListView : public TsuiSkinScrollWinControl {
 public:
  using TsuiSkinScrollWinControl::TsuiSkinScrollWinControl;
  ~TsuiSkinListView() override;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinListView; }
  void Initialize() override;
  void Detach() override;
  void AfterMessage(TMessage& message) override;
  HWND Header() const { return header_; }
  // Asks the header for a paint, in which the skin's picture of it is put on the screen.
  void PaintHeader();

 private:
  // Takes over the header's painting once the list view's window and header exist, and
  // again after the window was made anew.
  void AttachHeader();
  void PaintHeaderOn(HDC target);
  HWND header_ = nullptr;
  TPaintSurface headerSurface_;
  std::unique_ptr<WindowSubclass> headerProc_;
};

// The grid keeps its outline and overlays; its fixed cells take the form colour.
class TsuiSkinGrid : public TsuiSkinScrollWinControl {
 public:
  using TsuiSkinScrollWinControl::TsuiSkinScrollWinControl;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinGrid; }
  void Initialize() override;
  void SkinChanged() override;

 private:
  TColor savedFixedColor_ = 0;
};

}  // namespace zentavo
