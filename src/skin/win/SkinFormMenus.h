#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "framework/win/Form.h"
#include "framework/win/Menu.h"
#include "skin/win/SkinMdiButtons.h"
#include "skin/win/SkinMenuBar.h"
#include "skin/win/SkinMenuPainter.h"

namespace zentavo {

class TsuiSkinEngine;

// The menus of one skinned form: the menu bar that shows the form's main menu (on an MDI
// main form, the active document's menu while it has one), the document list under the
// Window menu, the three MDI control buttons, and the key listener that keeps the menu's
// short-cuts working while the form has no system menu bar. The form's frame wrapper owns
// it and calls it as the skin comes and goes and as MDI messages arrive.
//
// Either the form or the engine may go first: the form's end is noticed through a component
// it owns, the engine's through its link, and nothing is reached after it has gone.
class TSkinFormMenus {
 public:
  TSkinFormMenus(TForm& form, TsuiSkinEngine& engine);
  ~TSkinFormMenus();
  TSkinFormMenus(const TSkinFormMenus&) = delete;
  TSkinFormMenus& operator=(const TSkinFormMenus&) = delete;

  // FormMainMenu := the form's Menu().
  void CaptureMainMenu();
  TMainMenu* FormMainMenu() const { return formMainMenu_.get(); }
  TMainMenu* ChildMenu() const { return childMenu_.get(); }
  TMainMenu* ShownMenu() const { return shownMenu_.get(); }
  TsuiSkinMenuBar& Bar() { return *bar_; }
  // The bar's height while it is visible, else 0.
  int BarHeight() const;
  // The bar goes on top (above other top-aligned controls) in the menu bar colour, shown
  // unless the form is an MDI child.
  void PrepareBar();
  // Shows the right menu on the bar: the child's menu on an MDI main form while one is set,
  // else the form's own; filled again when forced or when the menu to show changed. The
  // Window menu's document list follows.
  void Rebuild(bool force);
  // The active document's menu, or none when the last document is gone.
  void SetChildMenu(TMainMenu* menu);
  // The Window menu lists the visible documents, last first, under a separator, the active
  // one checked; choosing one brings it to the front (restored when minimized). Only while
  // the form's own menu is shown and it has a Window menu.
  void RebuildWindowMenuItems();
  void FreeWindowMenuItems();
  const std::vector<TMenuRef<TMenuItem>>& WindowMenuItems() const { return windowMenuItems_; }
  // What choosing a document from the list does: restored when minimized, then in front.
  void ActivateChild(HWND child);
  void HideBar();
  // MDI main forms: the buttons show what the active document's border icons allow.
  void ShowMDIControlButtons();
  void HideMDIControlButtons();
  void PlaceMDIControlButtons(int rightBorderWidth, int menuBarHeight);
  // Button 1 (close), 2 (restore) or 3 (minimize); nullptr on other forms.
  TsuiSkinMenuBarControlButton* MDIControlButton(int index) const;
  // SkinMenu / UnskinMenu on every menu the form owns (SkinMenu leaves those tagged with the
  // engine's DisabledTag alone).
  void SkinFormMenus();
  void UnskinFormMenus();

  // The form still exists (it may be freed before this controller).
  bool FormAlive() const { return !*formGone_; }
  bool IsMDIMain() const;
  bool IsMDIChild() const;

 private:
  bool MenuShortcutHook(const MSG& message);
  void MDIControlClick(int tag);
  TsuiSkinEngine* Engine() const { return link_->Engine(); }

  TForm& form_;
  TSkinEngineLinkPtr link_;
  std::shared_ptr<bool> formGone_ = std::make_shared<bool>(false);
  TComponent* formWatch_ = nullptr;  // owned by the form
  TMenuRef<TMainMenu> formMainMenu_;
  TMenuRef<TMainMenu> childMenu_;
  TMenuRef<TMainMenu> shownMenu_;
  ComponentPtr<TsuiSkinMenuBar> bar_;
  std::array<ComponentPtr<TsuiSkinMenuBarControlButton>, 3> mdiButtons_;
  std::vector<TMenuRef<TMenuItem>> windowMenuItems_;
  int shortcutListener_ = 0;
};

}  // namespace zentavo
