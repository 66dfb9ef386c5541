// The skinned menu bar, the owner-drawn menu items, the Window menu list and the MDI control
// buttons of a skinned form, with the form's frame wrapper's calls made by the test.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <stdexcept>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/Application.h"
#include "framework/win/Canvas.h"
#include "framework/win/ImageList.h"
#include "framework/win/WindowCapture.h"
#include "skin/win/MenuBlankImages.h"
#include "skin/win/SkinFormMenus.h"
#include "skin/win/SkinGuard.h"
#include "skin/win/SkinMessages.h"
#include "win/skin/SkinTestSupport.h"
#include "win/support/ProgramFolder.h"

namespace zentavo::testing {
namespace {

// Every menu colour distinct.
constexpr TColor kBar = RGBColor(200, 210, 230), kTopSelected = RGBColor(255, 200, 0),
                 kTopSelectedBorder = RGBColor(0, 0, 255), kTopSelectedFont = RGBColor(1, 2, 3),
                 kTopFont = RGBColor(4, 5, 6), kLeftBar = RGBColor(100, 150, 200),
                 kItem = RGBColor(250, 250, 240), kItemFont = RGBColor(7, 8, 9),
                 kSelected = RGBColor(0, 200, 100), kSelectedBorder = RGBColor(200, 0, 50),
                 kSelectedFont = RGBColor(10, 11, 12);

std::vector<Sk2Record> MenuSkin() {
  std::vector<Sk2Record> records = BasicSkin();
  const TColor colours[13] = {
      kBar,     kBar,  kTopSelected, kTopSelectedBorder, kTopSelectedFont, kTopFont,     kLeftBar,
      kLeftBar, kItem, kItemFont,    kSelected,          kSelectedBorder,  kSelectedFont};
  for (int i = 0; i < 13; ++i) records.push_back(Colour(SKIN2_MENUBARSTARTCOLOR + i, colours[i]));
  return records;
}

TMenuItem& AddItem(TComponent& owner, TMenuItem& parent, const std::string& caption) {
  TMenuItem& item = owner.Make<TMenuItem>();
  item.SetCaption(caption);
  parent.Add(item);
  return item;
}

class TfrmMenus : public TForm {
  ZENTAVO_CLASS(TfrmMenus, TForm)
 public:
  explicit TfrmMenus(TComponent* owner, TFormStyle style = TFormStyle::fsNormal, bool withMenu = true)
      : TForm(owner), menu(Make<TMainMenu>()) {
    FormStyle = style;
    if (withMenu) {
      file = &AddItem(*this, menu.Items(), "&File");
      save = &AddItem(*this, *file, "&Save");
      save->SetShortCut(ShortCut('S', ssCtrl));
      save->OnClick = [this](TComponent*) {
        ++saves;
        if (failing) throw std::runtime_error("The ledger is locked");
      };
      edit = &AddItem(*this, menu.Items(), "&Edit");
      AddItem(*this, *edit, "&Undo");
      window = &AddItem(*this, menu.Items(), "&Window");
      AddItem(*this, *window, "&Tile");
      WindowMenu = window;
      SetMenu(&menu);
    }
    SetBounds(40, 40, 420, 300);
    FormCreated();
  }
  TMainMenu& menu;
  TMenuItem* file = nullptr;
  TMenuItem* save = nullptr;
  TMenuItem* edit = nullptr;
  TMenuItem* window = nullptr;
  int saves = 0;
  bool failing = false;
};

class SkinMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    ResetMenuCheckImages();
    // The frame wrappers are the test's own calls here.
    savedFactory = TsuiSkinEngine::WindowWrapperFactory;
    TsuiSkinEngine::WindowWrapperFactory = nullptr;
    WriteBytes(folder / "menu.ssk", SkinPackageBytes(MenuSkin()));
    engine->SetSkinFile(Utf8(folder / "menu.ssk"));
    engine->SetActive(true);
    ASSERT_TRUE(engine->IsSkinning());
  }
  void TearDown() override {
    Application().DestroyComponents();
    TsuiSkinEngine::WindowWrapperFactory = savedFactory;
    ResetMenuCheckImages();
    ::SetCursorPos(0, 0);
  }

  // What the frame wrapper does when the skin is applied.
  static void ApplySkin(TForm& form, TSkinFormMenus& menus) {
    menus.CaptureMainMenu();
    form.SetMenu(nullptr);
    menus.PrepareBar();
    menus.Rebuild(true);
    menus.SkinFormMenus();
  }

  TsuiSkinEngine::TWindowWrapperFactory savedFactory;
  ScratchFolder folder;
  ComponentPtr<TfrmSkinTest> engineForm = MakeComponent<TfrmSkinTest>(nullptr);
  TsuiSkinEngine* engine = &engineForm->Make<TsuiSkinEngine>();
};

void Settle() {
  for (int i = 0; i < 5; ++i) {
    Application().ProcessMessages();
    Sleep(10);
  }
}

POINT ScreenCentre(TToolBar& bar, TToolButton& button) {
  const RECT rect = button.BoundsRect();
  POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ::ClientToScreen(bar.Handle(), &point);
  return point;
}

// Puts the mouse over a button as the user would.
void Hover(TToolBar& bar, TToolButton& button) {
  const POINT screen = ScreenCentre(bar, button);
  ::SetCursorPos(screen.x, screen.y);
  POINT client = screen;
  ::ScreenToClient(bar.Handle(), &client);
  ::SendMessageW(bar.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
  ::UpdateWindow(bar.Handle());
  Settle();
}

// ---- the bar --------------------------------------------------------------------------

TEST_F(SkinMenuTest, TheBarShowsTheTopLevelItemsInMenuOrderAndFollowsThem) {
  TfrmMenus& form = Application().CreateForm<TfrmMenus>();
  TSkinFormMenus menus(form, *engine);
  EXPECT_FALSE(menus.Bar().Visible());
  EXPECT_EQ(menus.BarHeight(), 0);
  ApplySkin(form, menus);

  EXPECT_EQ(form.Menu(), nullptr);
  EXPECT_EQ(menus.ShownMenu(), &form.menu);
  TsuiSkinMenuBar& bar = menus.Bar();
  ASSERT_EQ(bar.ButtonCount(), 3);
  EXPECT_EQ(bar.Button(0).MenuItem(), form.file);
  EXPECT_EQ(bar.Button(1).MenuItem(), form.edit);
  EXPECT_EQ(bar.Button(2).MenuItem(), form.window);
  EXPECT_EQ(bar.Button(1).Caption(), "&Edit");
  EXPECT_TRUE(bar.Visible());
  EXPECT_EQ(bar.Color(), kBar);
  EXPECT_GT(menus.BarHeight(), 10);
  // The buttons stand left to right in that order.
  form.Show();
  EXPECT_LT(bar.Button(0).BoundsRect().left, bar.Button(1).BoundsRect().left);
  EXPECT_LT(bar.Button(1).BoundsRect().left, bar.Button(2).BoundsRect().left);
  EXPECT_EQ(bar.Top(), 0);
  // A main menu without pictures draws with the shared blank list while skinned.
  EXPECT_EQ(form.menu.Images, &MenuBlankImages());
  EXPECT_TRUE(form.menu.OwnerDraw());

  // Captions and visibility follow the items.
  form.edit->SetCaption("&Change");
  EXPECT_EQ(bar.Button(1).Caption(), "&Change");
  form.window->SetVisible(false);
  EXPECT_FALSE(bar.Button(2).Visible());

  // The skin removed: the menu goes back to the form and the bar away.
  menus.UnskinFormMenus();
  menus.HideBar();
  form.SetMenu(menus.FormMainMenu());
  EXPECT_EQ(form.Menu(), &form.menu);
  EXPECT_EQ(menus.BarHeight(), 0);
  EXPECT_EQ(form.menu.Images, nullptr);
  EXPECT_FALSE(form.menu.OwnerDraw());
  EXPECT_FALSE(form.save->OnDrawItem);
  // Skinned again: the same menu fills the bar again.
  ApplySkin(form, menus);
  EXPECT_TRUE(bar.Visible());
  EXPECT_EQ(bar.ButtonCount(), 3);
}

TEST_F(SkinMenuTest, AFormWithoutMenuHidesTheBarAndAMenuTaggedDisabledStaysSystemDrawn) {
  TfrmMenus& form = Application().CreateForm<TfrmMenus>(TFormStyle::fsNormal, false);
  TPopupMenu& popup = form.Make<TPopupMenu>();
  TPopupMenu& opted = form.Make<TPopupMenu>();
  opted.Tag = engine->DisabledTag();
  TSkinFormMenus menus(form, *engine);
  ApplySkin(form, menus);
  EXPECT_FALSE(menus.Bar().Visible());
  EXPECT_EQ(menus.ShownMenu(), nullptr);
  EXPECT_TRUE(popup.OwnerDraw());
  EXPECT_FALSE(opted.OwnerDraw());
}

TEST_F(SkinMenuTest, TheButtonUnderTheMouseIsDrawnInTheTopSelectedColours) {
  TfrmMenus& form = Application().CreateForm<TfrmMenus>();
  TSkinFormMenus menus(form, *engine);
  ApplySkin(form, menus);
  form.Show();
  TsuiSkinMenuBar& bar = menus.Bar();
  Settle();
  EXPECT_EQ(bar.HighlightedButton(), nullptr);

  Hover(bar, bar.Button(1));
  EXPECT_EQ(bar.Button(1).Tag, 888);
  EXPECT_EQ(bar.Button(0).Tag, 0);
  EXPECT_EQ(bar.HighlightedButton(), &bar.Button(1));

  const TBitmap picture = CaptureWindow(form.Handle());
  RECT window;
  ::GetWindowRect(form.Handle(), &window);
  auto pixel = [&](TToolButton& button, int dx, int dy) {
    POINT at{button.BoundsRect().left + dx, button.BoundsRect().top + dy};
    ::ClientToScreen(bar.Handle(), &at);
    return picture.Pixel(at.x - window.left, at.y - window.top);
  };
  EXPECT_EQ(pixel(bar.Button(1), 0, 4), kTopSelectedBorder);
  EXPECT_EQ(pixel(bar.Button(1), 2, 2), kTopSelected);
  EXPECT_EQ(pixel(bar.Button(0), 2, 2), kBar);  // a plain button shows the bar's colour

  // The mouse leaves: the button is plain again.
  ::SetCursorPos(0, 0);
  ::SendMessageW(bar.Handle(), WM_MOUSELEAVE, 0, 0);
  ::UpdateWindow(bar.Handle());
  Settle();
  EXPECT_EQ(bar.HighlightedButton(), nullptr);
}

// Watches the form for a menu popping up and closes it from inside its loop.
class PopupWatch {
 public:
  explicit PopupWatch(HWND owner) : owner_(owner) {
    current = this;
    ::SetWindowSubclass(owner_, Watch, 1, 0);
    closer_ = ::SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) {
      if (current && current->opened) ::EndMenu();
    });
    stopper_ = ::SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
  }
  ~PopupWatch() {
    ::KillTimer(nullptr, closer_);
    ::KillTimer(nullptr, stopper_);
    ::RemoveWindowSubclass(owner_, Watch, 1);
    current = nullptr;
  }
  std::vector<HMENU> popups;
  bool opened = false;

 private:
  static LRESULT CALLBACK Watch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (msg == WM_INITMENUPOPUP && current) {
      current->popups.push_back(reinterpret_cast<HMENU>(wParam));
      current->opened = true;
    }
    return ::DefSubclassProc(window, msg, wParam, lParam);
  }
  static inline PopupWatch* current = nullptr;
  HWND owner_;
  UINT_PTR closer_ = 0, stopper_ = 0;
};

TEST_F(SkinMenuTest, ALetterOpensItsItemWithAltAlwaysWithoutAltOnlyWhileAButtonIsHighlighted) {
  TfrmMenus& form = Application().CreateForm<TfrmMenus>();
  form.menu.AutoHotkeys = TMenuAutoFlag::maManual;
  TSkinFormMenus menus(form, *engine);
  ApplySkin(form, menus);
  form.Show();
  TsuiSkinMenuBar& bar = menus.Bar();
  Settle();
  ASSERT_EQ(bar.HighlightedButton(), nullptr);
  {
    PopupWatch watch(form.Handle());
    ::PostMessageW(form.Handle(), WM_CHAR, 'e', 0x00120001);
    Settle();
    EXPECT_TRUE(watch.popups.empty());
  }
  {
    PopupWatch watch(form.Handle());
    ::PostMessageW(form.Handle(), WM_SYSCHAR, 'e', 0x20120001);  // context code: Alt held
    Settle();
    ASSERT_EQ(watch.popups.size(), 1u);
    EXPECT_EQ(watch.popups[0], form.edit->Handle());
  }
  // The popup carrying the drop-down took the shown menu's hot-key setting.
  ASSERT_NE(bar.MenuPopup(), nullptr);
  EXPECT_EQ(bar.MenuPopup()->AutoHotkeys, TMenuAutoFlag::maManual);
  {
    Hover(bar, bar.Button(1));
    ASSERT_EQ(bar.HighlightedButton(), &bar.Button(1));
    PopupWatch watch(form.Handle());
    ::PostMessageW(form.Handle(), WM_CHAR, 'w', 0x00110001);
    Settle();
    // (The resting mouse may pass the open menu on to the button under it afterwards.)
    ASSERT_GE(watch.popups.size(), 1u);
    EXPECT_EQ(watch.popups[0], form.window->Handle());
  }
}

TEST_F(SkinMenuTest, ClickingAButtonDropsItsMenuAndAChosenItemRunsAfterwards) {
  TfrmMenus& form = Application().CreateForm<TfrmMenus>();
  TSkinFormMenus menus(form, *engine);
  ApplySkin(form, menus);
  form.Show();
  TsuiSkinMenuBar& bar = menus.Bar();
  Settle();
  PopupWatch watch(form.Handle());
  const RECT rect = bar.Button(0).BoundsRect();
  ::PostMessageW(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 3, rect.top + 3));
  Settle();
  ASSERT_EQ(watch.popups.size(), 1u);
  EXPECT_EQ(watch.popups[0], form.file->Handle());
  EXPECT_EQ(bar.TrackedButton(), nullptr);  // closed again
  // A chosen item is clicked once the bar's message is done.
  form.save->PostClick();
  EXPECT_EQ(form.saves, 0);
  Settle();
  EXPECT_EQ(form.saves, 1);
}

// Moves the mouse over the next button once a menu is open, then closes the second menu.
TEST_F(SkinMenuTest, TheOpenMenuPassesToTheButtonTheMouseMovesTo) {
  TfrmMenus& form = Application().CreateForm<TfrmMenus>();
  TSkinFormMenus menus(form, *engine);
  ApplySkin(form, menus);
  form.Show();
  TsuiSkinMenuBar& bar = menus.Bar();
  Settle();
  static POINT target;
  static std::vector<HMENU>* seen;
  target = ScreenCentre(bar, bar.Button(1));
  std::vector<HMENU> popups;
  seen = &popups;
  UINT_PTR mover = ::SetTimer(nullptr, 0, 40, [](HWND, UINT, UINT_PTR, DWORD) {
    if (seen->size() == 1) ::SetCursorPos(target.x, target.y);
    if (seen->size() >= 2) ::EndMenu();
  });
  UINT_PTR stopper = ::SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
  ::SetWindowSubclass(
      form.Handle(),
      [](HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (msg == WM_INITMENUPOPUP) seen->push_back(reinterpret_cast<HMENU>(wParam));
        return ::DefSubclassProc(window, msg, wParam, lParam);
      },
      2, 0);
  const RECT rect = bar.Button(0).BoundsRect();
  ::PostMessageW(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 3, rect.top + 3));
  Settle();
  ::KillTimer(nullptr, mover);
  ::KillTimer(nullptr, stopper);
  ASSERT_EQ(popups.size(), 2u);
  EXPECT_EQ(popups[0], form.file->Handle());
  EXPECT_EQ(popups[1], form.edit->Handle());
}

// ---- short-cuts -----------------------------------------------------------------------

void PressWithCtrl(HWND focus, WPARAM key) {
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  ::PostMessageW(focus, WM_KEYDOWN, key, 1);
  Application().ProcessMessages();
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
}

TEST_F(SkinMenuTest, AnErrorOfAnItemChosenOnTheBarOrByItsShortCutReachesTheStandardErrorDisplay) {
  MessageBoxSpy spy;
  const std::vector<MessageBoxSpy::Box>& shown = spy.boxes;
  const long swallowed = SwallowedErrorCount();
  TfrmMenus& form = Application().CreateForm<TfrmMenus>();
  TSkinFormMenus menus(form, *engine);
  ApplySkin(form, menus);
  form.Show();
  Settle();
  form.failing = true;
  form.save->PostClick();  // as chosen from the menu the bar dropped
  Settle();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "The ledger is locked.");
  PressWithCtrl(form.Handle(), 'S');
  Settle();
  EXPECT_EQ(form.saves, 2);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].text, "The ledger is locked.");
  EXPECT_EQ(SwallowedErrorCount(), swallowed);
}

TEST_F(SkinMenuTest, ShortCutsOfTheShownMenuRunWhileTheFormHasNoMenuOfItsOwn) {
  TfrmMenus& form = Application().CreateForm<TfrmMenus>();
  auto menus = std::make_unique<TSkinFormMenus>(form, *engine);
  ApplySkin(form, *menus);
  form.Show();
  Settle();
  ASSERT_EQ(form.Menu(), nullptr);
  PressWithCtrl(form.Handle(), 'S');
  EXPECT_EQ(form.saves, 1);
  // Not while the engine is off; the form's own path knows no menu either.
  engine->SetActive(false);
  PressWithCtrl(form.Handle(), 'S');
  EXPECT_EQ(form.saves, 1);
  engine->SetActive(true);
  // A form that is not the active one leaves the keys alone.
  TfrmMenus& other = Application().CreateForm<TfrmMenus>(TFormStyle::fsNormal, false);
  other.Show();
  Settle();
  PressWithCtrl(other.Handle(), 'S');
  EXPECT_EQ(form.saves, 1);
  // Gone with the controller.
  form.Show();
  Settle();
  menus.reset();
  PressWithCtrl(form.Handle(), 'S');
  EXPECT_EQ(form.saves, 1);
}

// ---- owner drawing --------------------------------------------------------------------

class ItemPicture {
 public:
  ItemPicture(int width, int height) : dc_(std::make_unique<TBitmapDc>(TBitmap(width, height))) {}
  HDC Dc() const { return dc_->Dc(); }
  TColor Pixel(int x, int y) const { return static_cast<TColor>(::GetPixel(dc_->Dc(), x, y)); }
  int Count(const RECT& area, TColor colour) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) count += Pixel(x, y) == colour;
    return count;
  }

 private:
  std::unique_ptr<TBitmapDc> dc_;
};

class SkinMenuDrawTest : public SkinMenuTest {
 protected:
  void SetUp() override {
    SkinMenuTest::SetUp();
    images.AddMasked(RedPicture(), clWhite);
    popup.Images = &images;
    plain = &AddItem(owner, popup.Items(), "&Plain");
    plain->SetShortCut(ShortCut('P', ssCtrl));
    disabled = &AddItem(owner, popup.Items(), "&Disabled");
    disabled->SetEnabled(false);
    separator = &AddItem(owner, popup.Items(), "-");
    checkedImage = &AddItem(owner, popup.Items(), "&Image");
    checkedImage->ImageIndex = 0;
    checkedImage->SetChecked(true);
    checkedPlain = &AddItem(owner, popup.Items(), "&Ticked");
    checkedPlain->SetChecked(true);
    SkinMenu(*engine, popup);
  }
  static TBitmap RedPicture() {
    TBitmap picture(16, 16);
    picture.Fill(RGBColor(255, 0, 0));
    return picture;
  }
  // Draws an item through its handler into a fresh picture.
  ItemPicture Draw(TMenuItem& item, UINT state, int width = 200, int height = 22) {
    ItemPicture picture(width, height);
    const RECT rect{0, 0, width, height};
    item.OnDrawItem(item, picture.Dc(), rect, state);
    return picture;
  }

  TComponent owner;
  TPopupMenu& popup = owner.Make<TPopupMenu>();
  TImageList& images = owner.Make<TImageList>();
  TMenuItem* plain = nullptr;
  TMenuItem* disabled = nullptr;
  TMenuItem* separator = nullptr;
  TMenuItem* checkedImage = nullptr;
  TMenuItem* checkedPlain = nullptr;
};

TEST_F(SkinMenuDrawTest, ItemsMeasureFiveForASeparatorAndAtLeast21Otherwise) {
  ASSERT_TRUE(popup.OwnerDraw());
  ASSERT_TRUE(separator->OnMeasureItem);
  WindowDc screen(nullptr);
  int width = 0, height = 0;
  separator->OnMeasureItem(*separator, screen.get(), width, height);
  EXPECT_EQ(height, 5);
  plain->OnMeasureItem(*plain, screen.get(), width, height);
  EXPECT_GE(height, 21);
  EXPECT_GT(width, 66 + 20);  // caption and "Ctrl+P" beside the fixed room

  // A main menu's top-level item is a bar button and keeps the size it was given.
  TMainMenu& main = owner.Make<TMainMenu>();
  TMenuItem& top = AddItem(owner, main.Items(), "&Top");
  AddItem(owner, top, "&Below");
  SkinMenu(*engine, main);
  width = 7;
  height = 9;
  top.OnMeasureItem(top, screen.get(), width, height);
  EXPECT_EQ(width, 7);
  EXPECT_EQ(height, 9);
  top.Items(0)->OnMeasureItem(*top.Items(0), screen.get(), width, height);
  EXPECT_GE(height, 21);
}

TEST_F(SkinMenuDrawTest, ColoursOfPlainSelectedAndDisabledItems) {
  const RECT text{30, 0, 140, 22};
  ItemPicture normal = Draw(*plain, 0);
  EXPECT_EQ(normal.Pixel(5, 10), kLeftBar);
  EXPECT_EQ(normal.Pixel(28, 1), kItem);
  EXPECT_GT(normal.Count(text, kItemFont), 0);

  ItemPicture selected = Draw(*plain, ODS_SELECTED);
  EXPECT_EQ(selected.Pixel(0, 0), kSelectedBorder);
  EXPECT_EQ(selected.Pixel(199, 21), kSelectedBorder);
  EXPECT_EQ(selected.Pixel(5, 10), kSelected);
  EXPECT_GT(selected.Count(text, kSelectedFont), 0);

  // Disabled text is grey whatever the skin says, selected or not, on the plain background.
  for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
    ItemPicture grey = Draw(*disabled, state | ODS_DISABLED);
    EXPECT_EQ(grey.Pixel(5, 10), kLeftBar) << state;
    EXPECT_GT(grey.Count(text, RGBColor(128, 128, 128)), 0) << state;
    EXPECT_EQ(grey.Count(text, kItemFont), 0) << state;
    EXPECT_EQ(grey.Count(text, kSelectedFont), 0) << state;
  }

  ItemPicture line = Draw(*separator, 0, 200, 5);
  EXPECT_EQ(line.Pixel(30, 2), 0x848284);
  EXPECT_EQ(line.Pixel(197, 2), 0x848284);
  EXPECT_EQ(line.Pixel(198, 2), kItem);
  EXPECT_EQ(line.Pixel(10, 2), kLeftBar);
}

TEST_F(SkinMenuDrawTest, CheckedItemsShowTheImageInABoxOrTheCheckMark) {
  ItemPicture boxed = Draw(*checkedImage, ODS_CHECKED);
  EXPECT_EQ(boxed.Pixel(2, 1), clBlack);
  EXPECT_EQ(boxed.Pixel(20, 19), clBlack);
  EXPECT_EQ(boxed.Pixel(3, 2), kItem);  // inside the box, around the image
  EXPECT_EQ(boxed.Pixel(10, 10), RGBColor(255, 0, 0));
  EXPECT_EQ(boxed.Pixel(22, 10), kLeftBar);

  // Without an image: the built-in tick (the test skin has no check mark of its own).
  ItemPicture ticked = Draw(*checkedPlain, ODS_CHECKED);
  EXPECT_EQ(ticked.Pixel(4 + 6, 3 + 10), kCheckMarkGreen);
  EXPECT_EQ(ticked.Pixel(4, 3), kLeftBar);  // the mark's white is transparent
  // An image index past the list is no image: the tick again.
  checkedImage->ImageIndex = 5;
  ItemPicture fallback = Draw(*checkedImage, ODS_CHECKED);
  EXPECT_EQ(fallback.Pixel(4 + 6, 3 + 10), kCheckMarkGreen);
  EXPECT_NE(fallback.Pixel(2, 1), clBlack);
}

TEST_F(SkinMenuDrawTest, UnskinningRemovesTheHandlersAndAFreedEngineLeavesSystemColours) {
  UnskinMenu(*engine, popup);
  EXPECT_FALSE(popup.OwnerDraw());
  EXPECT_FALSE(plain->OnDrawItem);
  EXPECT_FALSE(plain->OnMeasureItem);

  SkinMenu(*engine, popup);
  engineForm.reset();  // the engine goes first
  ItemPicture picture = Draw(*plain, 0);
  EXPECT_EQ(picture.Pixel(5, 10), static_cast<TColor>(ColorToRGB(SystemColor(COLOR_MENU))));
}

// ---- MDI ------------------------------------------------------------------------------

// Stands in for the frame wrappers' MDI message handling.
class MdiWrappers {
 public:
  MdiWrappers(TForm& main, TSkinFormMenus& menus) : main_(main), menus_(menus) {
    saved_ = main.WindowProc;
    main.WindowProc = [this](TMessage& message) {
      saved_(message);
      if (message.Msg == SM_CHILDMENU) menus_.SetChildMenu(reinterpret_cast<TMainMenu*>(message.LParam));
      if (message.Msg == SM_CHILDLISTCHANGED) menus_.RebuildWindowMenuItems();
      if (message.Msg == WM_MDIMAXIMIZE) menus_.ShowMDIControlButtons();
      if (message.Msg == WM_MDIRESTORE) menus_.HideMDIControlButtons();
    };
  }
  ~MdiWrappers() { main_.WindowProc = saved_; }
  // A document's wrapper: its menu goes to the main form's bar when it is activated.
  void Activated(TForm& child, TMainMenu* menu) {
    ::SendMessageW(main_.Handle(), SM_CHILDMENU, reinterpret_cast<WPARAM>(child.Handle()),
                   reinterpret_cast<LPARAM>(menu));
  }

 private:
  TForm& main_;
  TSkinFormMenus& menus_;
  TWndMethod saved_;
};

class TfrmDocument : public TForm {
  ZENTAVO_CLASS(TfrmDocument, TForm)
 public:
  TfrmDocument(TComponent* owner, const char* caption, bool withMenu)
      : TForm(owner), menu(Make<TMainMenu>()) {
    FormStyle = TFormStyle::fsMDIChild;
    SetCaption(caption);
    if (withMenu) {
      AddItem(*this, menu.Items(), "&Document");
      AddItem(*this, menu.Items(), "&View");
      SetMenu(&menu);
    }
    SetBounds(0, 0, 200, 150);
    FormCreated();
  }
  TMainMenu& menu;
};

class SkinMenuMdiTest : public SkinMenuTest {
 protected:
  void SetUp() override {
    SkinMenuTest::SetUp();
    main = &Application().CreateForm<TfrmMenus>(TFormStyle::fsMDIForm);
    ASSERT_EQ(Application().MainForm(), main);
    menus = std::make_unique<TSkinFormMenus>(*main, *engine);
    ApplySkin(*main, *menus);
    main->Show();
    wrappers = std::make_unique<MdiWrappers>(*main, *menus);
  }
  void TearDown() override {
    wrappers.reset();
    menus.reset();
    SkinMenuTest::TearDown();
  }
  TfrmDocument& Document(const char* caption, bool withMenu) {
    TfrmDocument& document = Application().CreateForm<TfrmDocument>(caption, withMenu);
    document.Show();
    return document;
  }
  std::vector<std::string> WindowList() {
    std::vector<std::string> list;
    for (const auto& item : menus->WindowMenuItems())
      if (item) list.push_back(item->Caption() + (item->Checked() ? " *" : ""));
    return list;
  }

  TfrmMenus* main = nullptr;
  std::unique_ptr<TSkinFormMenus> menus;
  std::unique_ptr<MdiWrappers> wrappers;
};

TEST_F(SkinMenuMdiTest, TheBarShowsTheActiveDocumentsMenuAndTheOwnMenuAfterTheLast) {
  TsuiSkinMenuBar& bar = menus->Bar();
  ASSERT_EQ(bar.ButtonCount(), 3);
  TfrmDocument& plain = Document("Plain", false);
  wrappers->Activated(plain, nullptr);
  EXPECT_EQ(menus->ShownMenu(), &main->menu);

  TfrmDocument& withMenu = Document("Menu", true);
  wrappers->Activated(withMenu, &withMenu.menu);
  EXPECT_EQ(menus->ShownMenu(), &withMenu.menu);
  ASSERT_EQ(bar.ButtonCount(), 2);
  EXPECT_EQ(bar.Button(0).Caption(), "&Document");
  EXPECT_TRUE(bar.Visible());

  // The document's menu goes with the document: the bar never reaches a freed menu.
  Application().FreeComponent(&withMenu);
  EXPECT_EQ(menus->ShownMenu(), nullptr);
  Application().FreeComponent(&plain);
  ::SendMessageW(main->Handle(), SM_CHILDMENU, reinterpret_cast<WPARAM>(main->Handle()),
                 0);  // the last one went
  EXPECT_EQ(menus->ShownMenu(), &main->menu);
  ASSERT_EQ(bar.ButtonCount(), 3);
  EXPECT_EQ(bar.Button(0).MenuItem(), main->file);
}

TEST_F(SkinMenuMdiTest, TheWindowMenuListsVisibleDocumentsAndRestoresAChosenMinimizedOne) {
  TfrmDocument& hidden = Document("Hidden", false);
  hidden.Hide();
  TfrmDocument& first = Document("First", false);
  TfrmDocument& second = Document("Second", false);
  ::SendMessageW(main->Handle(), SM_CHILDLISTCHANGED, 0, 0);
  ASSERT_EQ(main->ActiveMDIChild(), &second);
  // Under the separator, the last of the client's list first; the active one checked.
  EXPECT_EQ(WindowList(), (std::vector<std::string>{"-", "First", "Second *"}));
  EXPECT_EQ(main->window->Count(), 4);  // "Tile" stays first
  EXPECT_EQ(main->window->Items(0)->Caption(), "&Tile");
  ASSERT_TRUE(main->window->Items(2)->OnDrawItem);  // drawn like the rest of the menu

  ::ShowWindow(first.Handle(), SW_MINIMIZE);
  ASSERT_EQ(first.WindowState(), TWindowState::wsMinimized);
  TMenuItem* choice = main->window->Items(2);
  ASSERT_EQ(choice->Caption(), "First");
  choice->Click();
  Settle();
  EXPECT_EQ(first.WindowState(), TWindowState::wsNormal);
  EXPECT_EQ(main->ActiveMDIChild(), &first);

  // Rebuilt lists replace the old items; the items go with the controller.
  ::SendMessageW(main->Handle(), SM_CHILDLISTCHANGED, 0, 0);
  EXPECT_EQ(main->window->Count(), 4);
  menus->FreeWindowMenuItems();
  EXPECT_EQ(main->window->Count(), 1);
  // While a document's menu is shown the list is left alone.
  TfrmDocument& withMenu = Document("Menu", true);
  wrappers->Activated(withMenu, &withMenu.menu);
  ::SendMessageW(main->Handle(), SM_CHILDLISTCHANGED, 0, 0);
  EXPECT_EQ(main->window->Count(), 1);
}

TEST_F(SkinMenuMdiTest, ControlButtonsFollowTheActiveDocumentsBorderIcons) {
  for (int i = 1; i <= 3; ++i) {
    ASSERT_NE(menus->MDIControlButton(i), nullptr);
    EXPECT_FALSE(menus->MDIControlButton(i)->Visible());
    EXPECT_EQ(menus->MDIControlButton(i)->Width(), 18);
  }
  EXPECT_EQ(menus->MDIControlButton(1)->Tag, -1381);
  EXPECT_EQ(menus->MDIControlButton(3)->Tag, -1383);
  // Clicks without a document do nothing.
  ::SendMessageW(menus->MDIControlButton(1)->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(menus->MDIControlButton(1)->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));

  TfrmDocument& document = Document("Doc", false);
  document.BorderIcons = biSystemMenu | biMaximize;
  ::SendMessageW(main->Handle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(document.Handle()), 0);
  EXPECT_TRUE(menus->MDIControlButton(1)->Visible());
  EXPECT_TRUE(menus->MDIControlButton(2)->Visible());
  EXPECT_FALSE(menus->MDIControlButton(3)->Visible());
  EXPECT_EQ(menus->MDIControlButton(2)->Color(), menus->Bar().Color());

  // The restore button restores the maximized document.
  document.SetWindowState(TWindowState::wsMaximized);
  ASSERT_EQ(document.WindowState(), TWindowState::wsMaximized);
  TsuiSkinMenuBarControlButton& restore = *menus->MDIControlButton(2);
  ::SendMessageW(restore.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(restore.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(document.WindowState(), TWindowState::wsNormal);

  ::SendMessageW(main->Handle(), WM_MDIRESTORE, 0, 0);
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(menus->MDIControlButton(i)->Visible());

  // Placed at the right end of the bar's row, above the client area until the controls
  // shift down by the bar's height.
  menus->PlaceMDIControlButtons(4, 20);
  EXPECT_EQ(menus->MDIControlButton(1)->Left(), main->Width() - 4 - 25);
  EXPECT_EQ(menus->MDIControlButton(3)->Left(), main->Width() - 4 - 25 - 36);
  EXPECT_EQ(menus->MDIControlButton(1)->Top(), -20);
}

TEST_F(SkinMenuMdiTest, AControlButtonIsFramedWhileTheMouseIsOverIt) {
  TsuiSkinMenuBarControlButton& button = *menus->MDIControlButton(1);
  button.SetColor(RGBColor(90, 100, 110));
  EXPECT_EQ(button.Face().Pixel(0, 0), RGBColor(90, 100, 110));
  button.Perform(CM_MOUSEENTER);
  EXPECT_TRUE(button.Hot());
  EXPECT_EQ(button.Face().Pixel(0, 0), clBlack);
  EXPECT_EQ(button.Face().Pixel(1 + 8, 1 + 8), clBlack);  // the middle of the cross
  button.Perform(CM_MOUSELEAVE);
  EXPECT_EQ(button.Face().Pixel(0, 0), RGBColor(90, 100, 110));
}

// ---- lifetimes ------------------------------------------------------------------------

TEST_F(SkinMenuTest, TheFormMayGoBeforeTheControllerAndTheEngineBeforeBoth) {
  {
    TfrmMenus& form = Application().CreateForm<TfrmMenus>();
    TSkinFormMenus menus(form, *engine);
    ApplySkin(form, menus);
    form.Show();
    Application().FreeComponent(&form);
    EXPECT_FALSE(menus.FormAlive());
    EXPECT_EQ(menus.FormMainMenu(), nullptr);
    PressWithCtrl(engineForm->Handle(), 'S');  // the listener must not reach the form
    menus.Rebuild(true);
  }
  {
    TfrmMenus& form = Application().CreateForm<TfrmMenus>();
    TSkinFormMenus menus(form, *engine);
    ApplySkin(form, menus);
    form.Show();
    Settle();
    engineForm.reset();
    PressWithCtrl(form.Handle(), 'S');
    EXPECT_EQ(form.saves, 0);
    ::InvalidateRect(menus.Bar().Handle(), nullptr, TRUE);
    ::UpdateWindow(menus.Bar().Handle());  // draws in the system's colours
    menus.Rebuild(true);
    EXPECT_EQ(menus.Bar().ButtonCount(), 3);
  }
}

}  // namespace
}  // namespace zentavo::testing
