#include "skin/win/SkinFormMenus.h"

#include "framework/win/Application.h"
#include "framework/win/Screen.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

namespace {

// Owned by the form: its teardown tells the controller that the form is going.
class TFormMenusWatch : public TComponent {
  ZENTAVO_CLASS(TFormMenusWatch, TComponent)
 public:
  TFormMenusWatch(TComponent* owner, std::shared_ptr<bool> gone)
      : TComponent(owner), gone_(std::move(gone)) {}
  ~TFormMenusWatch() override { *gone_ = true; }
  void BeforeDestruction() override {
    *gone_ = true;
    TComponent::BeforeDestruction();
  }

 private:
  std::shared_ptr<bool> gone_;
};

// The MDI control buttons: Tag, glyph frame, and what a click does to the active document.
constexpr int kCloseTag = -1381, kRestoreTag = -1382, kMinimizeTag = -1383;
constexpr int kButtonTags[3] = {kCloseTag, kRestoreTag, kMinimizeTag};
constexpr int kButtonGlyphFrames[3] = {3, 2, 1};
constexpr int kButtonStep = 18;

void BringToFront(TWinControl& control) {
  ::SetWindowPos(control.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

TSkinFormMenus::TSkinFormMenus(TForm& form, TsuiSkinEngine& engine)
    : form_(form), link_(SkinEngineLink(engine)) {
  formWatch_ = &form.Make<TFormMenusWatch>(formGone_);
  bar_ = MakeComponent<TsuiSkinMenuBar>(nullptr, engine);
  bar_->FormMenus = this;
  bar_->SetParent(&form);
  if (IsMDIMain()) {
    int x = form.Width() - 25;
    for (int i = 0; i < 3; ++i) {
      auto& button = mdiButtons_[i] = MakeComponent<TsuiSkinMenuBarControlButton>(nullptr);
      button->SetParent(&form);
      button->SetGlyph(MdiControlGlyph(kButtonGlyphFrames[i]));
      button->SetBounds(x, 1, 18, 18);
      button->SetAnchors(akTop | akRight);
      button->Tag = kButtonTags[i];
      button->OnClick = [this, tag = kButtonTags[i]](TComponent*) { MDIControlClick(tag); };
      button->SetColor(bar_->Color());
      button->SetVisible(false);
      if (form.HandleAllocated()) BringToFront(*button);
      x -= kButtonStep;
    }
  }
  if (IsMDIChild()) {
    TForm* main = Application().MainForm();
    if (main && main != &form && main->HandleAllocated())
      ::SendMessageW(main->Handle(), SM_CHILDLISTCHANGED, 0, 0);
  } else {
    shortcutListener_ =
        Application().AddOnMessage([this](MSG& message) { return MenuShortcutHook(message); });
  }
}

TSkinFormMenus::~TSkinFormMenus() {
  if (shortcutListener_) Application().RemoveOnMessage(shortcutListener_);
  FreeWindowMenuItems();
  if (bar_) bar_->FormMenus = nullptr;
  bar_.reset();
  for (auto& button : mdiButtons_) button.reset();
  if (FormAlive()) form_.FreeComponent(formWatch_);
}

bool TSkinFormMenus::IsMDIMain() const {
  return FormAlive() && form_.FormStyle == TFormStyle::fsMDIForm;
}
bool TSkinFormMenus::IsMDIChild() const {
  return FormAlive() && form_.FormStyle == TFormStyle::fsMDIChild;
}

void TSkinFormMenus::CaptureMainMenu() {
  if (FormAlive()) formMainMenu_ = form_.Menu();
}

int TSkinFormMenus::BarHeight() const {
  return bar_->Visible() ? bar_->Height() : 0;
}

void TSkinFormMenus::PrepareBar() {
  if (!FormAlive()) return;
  bar_->SetBounds(bar_->Left(), -100, bar_->Width(), bar_->Height());
  bar_->SetVisible(!IsMDIChild());
  bar_->SetParentColor(false);
  bar_->SetColor(SkinMenuColors(link_.get())[mcMenuBar]);
  form_.ArrangeControls();
}

void TSkinFormMenus::HideBar() {
  bar_->SetVisible(false);
  // A later rebuild fills the bar again even with the same menu.
  shownMenu_ = nullptr;
  if (FormAlive()) form_.ArrangeControls();
}

void TSkinFormMenus::Rebuild(bool force) {
  if (!FormAlive()) return;
  TMainMenu* own = FormMainMenu();
  TMainMenu* child = IsMDIMain() ? ChildMenu() : nullptr;
  TMainMenu* wanted = child ? child : own;
  if (!wanted) {
    HideBar();
  } else if (force || ShownMenu() != wanted) {
    bar_->Fill(*wanted);
    shownMenu_ = wanted;
    bar_->SetVisible(!IsMDIChild());
    form_.ArrangeControls();
  }
  RebuildWindowMenuItems();
}

void TSkinFormMenus::SetChildMenu(TMainMenu* menu) {
  childMenu_ = menu;
  Rebuild(false);
}

void TSkinFormMenus::FreeWindowMenuItems() {
  std::vector<TMenuRef<TMenuItem>> items = std::move(windowMenuItems_);
  windowMenuItems_.clear();
  if (!FormAlive()) return;
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    if (TMenuItem* item = it->get()) form_.FreeComponent(item);
  }
}

// A choice from the list is carried out after the menu's own message: bringing a document
// forward may rebuild this very list, which frees the item whose click is running.
void TSkinFormMenus::RebuildWindowMenuItems() {
  if (!FormAlive()) return;
  TMainMenu* own = FormMainMenu();
  TMenuItem* windowMenu = form_.WindowMenu;
  if (!own || !windowMenu || ShownMenu() != own) return;
  FreeWindowMenuItems();
  TsuiSkinEngine* engine = Engine();
  const bool drawn = engine && windowMenu->Menu() && windowMenu->Menu()->OwnerDraw();
  auto add = [&](TMenuItem& item) {
    if (drawn) SkinMenuItem(*engine, item);
    windowMenu->Add(item);
    windowMenuItems_.emplace_back(&item);
  };
  TMenuItem& separator = form_.Make<TMenuItem>();
  separator.SetCaption("-");
  add(separator);
  TForm* active = form_.ActiveMDIChild();
  for (int i = form_.MDIChildCount() - 1; i >= 0; --i) {
    TForm* child = form_.MDIChildren(i);
    if (child->HasState(csDestroying) || !child->HandleAllocated() || !::IsWindowVisible(child->Handle()))
      continue;
    HWND window = child->Handle();
    TMenuItem& item = form_.Make<TMenuItem>();
    item.SetCaption(child->Caption());
    item.Tag = static_cast<int>(reinterpret_cast<INT_PTR>(window));  // window handles fit in 32 bits
    item.SetChecked(child == active);
    item.OnClick = [this, window](TComponent*) {
      if (bar_->HandleAllocated())
        ::PostMessageW(bar_->Handle(), TsuiSkinMenuBar::kActivateChildMessage,
                       reinterpret_cast<WPARAM>(window), 0);
    };
    add(item);
  }
}

void TSkinFormMenus::ActivateChild(HWND window) {
  if (!FormAlive() || !::IsWindow(window)) return;
  auto* child = dynamic_cast<TForm*>(TWinControl::FromHandle(window));
  if (!child || child->HasState(csDestroying) || child->FormStyle != TFormStyle::fsMDIChild) return;
  if (child->WindowState() == TWindowState::wsMinimized) child->SetWindowState(TWindowState::wsNormal);
  ::SendMessageW(::GetParent(window), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
  ::BringWindowToTop(window);
}

TsuiSkinMenuBarControlButton* TSkinFormMenus::MDIControlButton(int index) const {
  return index >= 1 && index <= 3 ? mdiButtons_[index - 1].get() : nullptr;
}

void TSkinFormMenus::ShowMDIControlButtons() {
  if (!IsMDIMain()) return;
  TForm* child = form_.ActiveMDIChild();
  if (!child) return;
  const unsigned icons = child->BorderIcons;
  const unsigned needs[3] = {biSystemMenu, biMaximize, biMinimize};
  for (int i = 0; i < 3; ++i) {
    mdiButtons_[i]->SetVisible((icons & needs[i]) != 0);
    mdiButtons_[i]->SetColor(bar_->Color());
    if (form_.HandleAllocated()) BringToFront(*mdiButtons_[i]);
  }
}

void TSkinFormMenus::HideMDIControlButtons() {
  for (auto& button : mdiButtons_) {
    if (button) button->SetVisible(false);
  }
}

void TSkinFormMenus::PlaceMDIControlButtons(int rightBorderWidth, int menuBarHeight) {
  if (!IsMDIMain()) return;
  TsuiSkinEngine* engine = Engine();
  int x = form_.Width() - rightBorderWidth - 25;
  for (auto& button : mdiButtons_) {
    button->SetBounds(x, -menuBarHeight, button->Width(), button->Height());
    if (form_.HandleAllocated()) BringToFront(*button);
    if (engine) button->SetColor(engine->FormColor());
    x -= kButtonStep;
  }
}

void TSkinFormMenus::MDIControlClick(int tag) {
  if (!FormAlive()) return;
  TForm* child = form_.ActiveMDIChild();
  if (!child) return;
  switch (tag) {
    case kCloseTag:
      child->Close();
      break;
    case kRestoreTag:
      child->SetWindowState(TWindowState::wsNormal);
      break;
    case kMinimizeTag:
      ::ShowWindow(child->Handle(), SW_SHOWMINIMIZED);
      break;
    default:
      return;
  }
  Application().ProcessMessages();
}

void TSkinFormMenus::SkinFormMenus() {
  TsuiSkinEngine* engine = Engine();
  if (!engine || !FormAlive()) return;
  for (int i = 0; i < form_.ComponentCount(); ++i) {
    auto* menu = dynamic_cast<TMenu*>(form_.Components(i));
    if (menu && menu->Tag != engine->DisabledTag()) SkinMenu(*engine, *menu);
  }
}

void TSkinFormMenus::UnskinFormMenus() {
  TsuiSkinEngine* engine = Engine();
  if (!engine || !FormAlive()) return;
  for (int i = 0; i < form_.ComponentCount(); ++i) {
    if (auto* menu = dynamic_cast<TMenu*>(form_.Components(i))) UnskinMenu(*engine, *menu);
  }
}

// Menu short-cuts of the form shown on the bar: the form has no system menu bar while it is
// skinned, so its keys would otherwise find no menu.
bool TSkinFormMenus::MenuShortcutHook(const MSG& message) {
  TsuiSkinEngine* engine = Engine();
  if (!engine || !engine->IsSkinning() || !FormAlive()) return false;
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  TMainMenu* shown = ShownMenu();
  if (!shown || !IsFormActive(&form_)) return false;
  if (!IsMDIMain() && Screen().ActiveForm() != &form_) return false;
  unsigned shift = 0;
  if (::GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (::GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (::GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shown->IsShortCut(ShortCut(static_cast<unsigned>(message.wParam), shift));
}

}  // namespace zentavo
