#pragma once
#include <windows.h>

#include "framework/win/Menu.h"
#include "framework/win/ToolBar.h"
#include "skin/win/SkinMenuPainter.h"

namespace zentavo {

class TSkinFormMenus;
class TsuiSkinEngine;

// The tool bar that stands in for a skinned form's menu bar: one button per top-level item
// of the menu it shows, drawn in the skin's menu bar colours. A button's click drops the
// item's submenu. Letters reach the buttons' accelerators with Alt held, or without Alt while
// a button is highlighted (its Tag is 888, set when it is drawn hot or pressed).
class TsuiSkinMenuBar : public TToolBar {
  ZENTAVO_CLASS(TsuiSkinMenuBar, TToolBar)
 public:
  TsuiSkinMenuBar(TComponent* owner, TsuiSkinEngine& engine);

  // The form side it belongs to; it supplies the menu shown (for the popup's AutoHotkeys).
  TSkinFormMenus* FormMenus = nullptr;

  // Buttons for the menu's top-level items, in menu order, with the menu's images and the
  // system's menu font; the bar is not shown here.
  void Fill(TMainMenu& menu);
  // The custom drawing of one button (the default drawing is switched off).
  void DrawMenuBarButton(TToolButton& button, HDC dc, const RECT& rect, UINT state);
  // The button drawn highlighted, or nullptr.
  TToolButton* HighlightedButton() const;
  // Posted by a Window menu item (wParam: the document window) for the form side to bring
  // that document forward once the menu's message is done.
  static constexpr UINT kActivateChildMessage = WM_APP + 0x20;

 protected:
  void WndProc(TMessage& message) override;
  void MenuPopupCreated(TPopupMenu& popup) override;

 private:
  TSkinEngineLinkPtr link_;
};

}  // namespace zentavo
