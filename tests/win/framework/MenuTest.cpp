// Menus beyond their items: change listeners, short-cuts typed in a form, and owner drawing
// of popup menus that no form owns.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "framework/win/Menu.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/WideText.h"

using namespace zentavo;

namespace {

class TfrmWithMenu : public TForm {
  ZENTAVO_CLASS(TfrmWithMenu, TForm)
 public:
  explicit TfrmWithMenu(TComponent* owner)
      : TForm(owner), menu(Make<TMainMenu>()), file(Make<TMenuItem>()), save(Make<TMenuItem>()), edit(Make<TEdit>()) {
    file.SetCaption("&File");
    save.SetCaption("&Save");
    save.SetShortCut(ShortCut('S', ssCtrl));
    save.OnClick = [this](TComponent*) { ++saves; };
    menu.Items().Add(file);
    file.Add(save);
    SetMenu(&menu);
    edit.SetParent(this);
    edit.SetBounds(8, 8, 100, 21);
    SetBounds(30, 30, 300, 200);
    FormCreated();
  }
  TMainMenu& menu;
  TMenuItem& file;
  TMenuItem& save;
  TEdit& edit;
  int saves = 0;
};

std::string ItemText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return Narrow(text);
}

// Presses a key with Ctrl held, as the keyboard would for the focused control.
void PressWithCtrl(HWND focus, WPARAM key) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(focus, WM_KEYDOWN, key, 1);
  Application().ProcessMessages();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

}  // namespace

TEST(Menu, ShowsShortCutsAndRunsThemFromTheFormsKeys) {
  auto form = MakeComponent<TfrmWithMenu>(nullptr);
  form->Show();
  HMENU fileMenu = GetSubMenu(GetMenu(form->Handle()), 0);
  EXPECT_EQ(ItemText(fileMenu, 0), "&Save\tCtrl+S");

  form->edit.SetFocus();
  PressWithCtrl(form->edit.Handle(), 'S');
  EXPECT_EQ(form->saves, 1);
  PostMessageW(form->edit.Handle(), WM_KEYDOWN, 'S', 1);  // no Ctrl: a letter for the edit
  Application().ProcessMessages();
  EXPECT_EQ(form->saves, 1);

  // A disabled item answers no short-cut.
  form->save.SetEnabled(false);
  PressWithCtrl(form->edit.Handle(), 'S');
  EXPECT_EQ(form->saves, 1);
}

TEST(Menu, TellsEveryListenerOfChangesAndTheFormKeepsItsBar) {
  auto form = MakeComponent<TfrmWithMenu>(nullptr);
  form->Show();
  std::vector<std::string> told;
  int second = 0;
  const int first = form->menu.AddChangeListener([&](TMenuItem* source, bool rebuilt) {
    told.push_back(rebuilt ? "first: rebuilt" : "first: " + source->Caption());
    form->menu.RemoveChangeListener(second);  // removing another while being told
  });
  second = form->menu.AddChangeListener([&](TMenuItem*, bool) { told.push_back("second"); });
  form->save.SetCaption("Save &all");
  EXPECT_EQ(told, (std::vector<std::string>{"first: Save &all"}));
  // The form's own listener still follows: its bar is the menu's current handle.
  form->file.Add(form->Make<TMenuItem>());
  EXPECT_EQ(told.back(), "first: rebuilt");
  EXPECT_EQ(GetMenu(form->Handle()), form->menu.Handle());
  form->menu.RemoveChangeListener(first);
}

TEST(Menu, PopupsWithoutAFormAreOwnerDrawnThroughTheHostWindow) {
  TPopupMenu popup(nullptr);
  TMenuItem item(nullptr);
  item.SetCaption("Drawn");
  popup.Items().Add(item);
  int measured = 0, drawn = 0;
  item.OnMeasureItem = [&](TMenuItem&, HDC, int& width, int& height) {
    ++measured;
    width = 80;
    height = 20;
  };
  item.OnDrawItem = [&](TMenuItem&, HDC, const RECT&, UINT) { ++drawn; };
  popup.SetOwnerDraw(true);
  // Closes the menu from inside its loop once it has been drawn.
  static int* drawnCount = nullptr;
  drawnCount = &drawn;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    if (*drawnCount > 0) EndMenu();
  });
  UINT_PTR stopper = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  popup.Popup(100, 100);
  KillTimer(nullptr, timer);
  KillTimer(nullptr, stopper);
  EXPECT_GE(measured, 1);
  EXPECT_GE(drawn, 1);
  popup.Items().Remove(item);
}
