#include "framework/win/Menu.h"

#include <algorithm>
#include <map>

#include "framework/win/Action.h"
#include "framework/win/Application.h"
#include "framework/win/Win32Error.h"
#include "framework/win/Control.h"
#include "framework/win/WideText.h"

namespace zentavo {

namespace {
std::map<UINT, TMenuItem*>& Commands() {
  static std::map<UINT, TMenuItem*> commands;
  return commands;
}
UINT nextCommand = 1000;
// Posted to the menu host window: wParam is the command of the item to click.
constexpr UINT kClickItemMessage = WM_APP + 1;
}  // namespace

// ---- TMenuItem ------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(nextCommand++) {
  Commands()[command_] = this;
}

TMenuItem::~TMenuItem() {
  life_.reset();
  SetAction(nullptr);
  Commands().erase(command_);
  for (TMenuItem* child : items_) child->parent_ = nullptr;
  if (parent_) parent_->Remove(*this);
}

TMenuItem* TMenuItem::FromCommand(UINT command) {
  auto found = Commands().find(command);
  return found == Commands().end() ? nullptr : found->second;
}

TMenu* TMenuItem::Menu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::Add(TMenuItem& item) {
  if (item.parent_) item.parent_->Remove(item);
  item.parent_ = this;
  items_.push_back(&item);
  Changed(true);
}

void TMenuItem::Remove(TMenuItem& item) {
  auto found = std::find(items_.begin(), items_.end(), &item);
  if (found == items_.end()) return;
  items_.erase(found);
  item.parent_ = nullptr;
  Changed(true);
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  bool wasLine = IsLine();
  caption_ = caption;
  Changed(wasLine != IsLine());
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(false);
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(false);
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(true);
}

void TMenuItem::SetDefault(bool isDefault) {
  if (isDefault == default_) return;
  default_ = isDefault;
  Changed(false);
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed(false);
}

std::string TMenuItem::MenuText() const {
  const std::string keys = ShortCutToText(shortCut_);
  return keys.empty() ? caption_ : caption_ + "\t" + keys;
}

void TMenuItem::SetAction(TAction* action) {
  if (action_) action_->Unsubscribe(actionSubscription_);
  action_ = action;
  if (action_) {
    actionSubscription_ = action_->Subscribe([this] { ActionChanged(); });
    ActionChanged();
  }
}

void TMenuItem::ActionChanged() {
  if (!action_->Caption().empty()) SetCaption(action_->Caption());
  SetEnabled(action_->Enabled());
  SetChecked(action_->Checked());
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == action_) {
    action_ = nullptr;
    actionSubscription_ = 0;
  }
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (action_) {
    action_->Execute();
  } else if (OnClick) {
    OnClick(this);
  }
}

void TMenuItem::PostClick() {
  ::PostMessageW(TPopupMenu::HostWindow(), kClickItemMessage, command_, 0);
}

void TMenuItem::Changed(bool structural) {
  TMenu* menu = Menu();
  if (!menu || menu->HasState(csDestroying) || (menu->Owner() && menu->Owner()->HasState(csDestroying)))
    return;
  if (structural || !parent_) {
    menu->Rebuild();
  } else {
    menu->UpdateItem(*this);
  }
}

void TMenuItem::FillMenu(HMENU menu, bool ownerDraw) {
  for (TMenuItem* item : items_) {
    if (!item->visible_) continue;
    MENUITEMINFOW info{sizeof(info)};
    std::wstring text = Widen(item->MenuText());
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.wID = item->command_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    info.fType = item->IsLine() ? MFT_SEPARATOR : (ownerDraw ? MFT_OWNERDRAW : MFT_STRING);
    if (!item->IsLine()) {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
    }
    info.fState = (item->checked_ ? MFS_CHECKED : 0) | (item->enabled_ ? 0 : MFS_DISABLED) |
                  (item->default_ ? MFS_DEFAULT : 0);
    if (!item->items_.empty()) {
      item->handle_ = CreatePopupMenu();
      item->FillMenu(item->handle_, ownerDraw);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = item->handle_;
    } else {
      item->handle_ = nullptr;
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
  }
}

// ---- TMenu ----------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner, bool popup) : TComponent(owner), popup_(popup), items_(nullptr) {
  items_.menu_ = this;
}

TMenu::~TMenu() {
  life_.reset();
  SetState(csDestroying, true);
  for (TMenuItem* child : items_.items_) child->parent_ = nullptr;
  items_.items_.clear();
}

HMENU TMenu::Handle() {
  if (!handle_) Rebuild();
  return handle_.get();
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
  if (ownerDraw == ownerDraw_) return;
  ownerDraw_ = ownerDraw;
  Rebuild();
}

void TMenu::Rebuild() {
  MenuHandle fresh(popup_ ? CreatePopupMenu() : CreateMenu());
  items_.handle_ = fresh.get();
  items_.FillMenu(fresh.get(), ownerDraw_);
  MenuHandle old = std::move(handle_);
  handle_ = std::move(fresh);
  NotifyChange(nullptr, true);
  // The old handle goes only after the form has switched to the new one.
}

int TMenu::AddChangeListener(ChangeListener listener) { return changeListeners_.Add(std::move(listener)); }

void TMenu::RemoveChangeListener(int id) { changeListeners_.Remove(id); }

void TMenu::NotifyChange(TMenuItem* source, bool rebuilt) { changeListeners_.Tell(source, rebuilt); }

namespace {
TMenuItem* FindShortCut(TMenuItem& parent, TShortCut shortCut) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->Visible() || !item->Enabled()) continue;
    if (item->ShortCut() == shortCut && item->Count() == 0) return item;
    if (TMenuItem* found = FindShortCut(*item, shortCut)) return found;
  }
  return nullptr;
}
}  // namespace

bool TMenu::IsShortCut(TShortCut shortCut) {
  if (shortCut == 0) return false;
  TMenuItem* item = FindShortCut(items_, shortCut);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchOwnerDraw(HWND window, TMessage& message) {
  switch (message.Msg) {
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (measure->CtlType != ODT_MENU) return false;
      TMenuItem* item = TMenuItem::FromCommand(measure->itemID);
      if (!item || !item->OnMeasureItem) return false;
      int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
      WindowDc dc(window);
      item->OnMeasureItem(*item, dc.get(), width, height);
      measure->itemWidth = width;
      measure->itemHeight = height;
      message.Result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (draw->CtlType != ODT_MENU) return false;
      TMenuItem* item = TMenuItem::FromCommand(draw->itemID);
      if (!item || !item->OnDrawItem) return false;
      item->OnDrawItem(*item, draw->hDC, draw->rcItem, draw->itemState);
      message.Result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

void TMenu::UpdateItem(TMenuItem& item) {
  if (!handle_ || !item.parent_ || !item.parent_->handle_) return;
  MENUITEMINFOW info{sizeof(info)};
  std::wstring text = Widen(item.MenuText());
  info.fMask = MIIM_STATE;
  info.fState = (item.checked_ ? MFS_CHECKED : 0) | (item.enabled_ ? 0 : MFS_DISABLED) |
                (item.default_ ? MFS_DEFAULT : 0);
  if (!item.IsLine()) {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  SetMenuItemInfoW(item.parent_->handle_, item.command_, FALSE, &info);
  NotifyChange(&item, false);
}

// ---- TPopupMenu -----------------------------------------------------------------------

namespace {
LRESULT CALLBACK MenuHostProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  try {
    if (msg == kClickItemMessage) {
      // The item may have gone since the click was posted.
      if (TMenuItem* item = TMenuItem::FromCommand(static_cast<UINT>(wParam))) item->Click();
      return 0;
    }
    if (TMenu::DispatchOwnerDraw(window, message)) return message.Result;
  } catch (...) {
    Application().HandleException(std::current_exception());
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}
}  // namespace

HWND TPopupMenu::HostWindow() {
  static WindowHandle host = [] {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = MenuHostProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TMenuHost";
    if (!RegisterClassExW(&wc)) throw Win32Error("Cannot register the menu host window class");
    WindowHandle window(CreateWindowExW(WS_EX_TOOLWINDOW, L"TMenuHost", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!window) throw Win32Error("Cannot create the menu host window");
    return window;
  }();
  return host.get();
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  HWND owner = HostWindow();
  showing_ = true;
  UINT chosen = TrackPopupMenuEx(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, owner, nullptr);
  showing_ = false;
  if (TMenuItem* item = chosen ? TMenuItem::FromCommand(chosen) : nullptr) item->Click();
}

}  // namespace zentavo
