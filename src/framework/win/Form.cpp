#include "framework/win/Form.h"

#include <algorithm>
#include <vector>

#include "framework/Properties.h"
#include "framework/win/Application.h"
#include "framework/win/Screen.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/Win32Error.h"

namespace zentavo {

namespace {
const bool formPropertiesRegistered = [] {
  RegisterProperty(TForm::StaticClassInfo(),
                   {"BorderStyle", "TFormBorderStyle",
                    [](const TComponent& c) {
                      return TPropertyValue(static_cast<long long>(static_cast<TFormBorderStyle>(static_cast<const TForm&>(c).BorderStyle)));
                    },
                    [](TComponent& c, const TPropertyValue& v) {
                      static_cast<TForm&>(c).BorderStyle = static_cast<TFormBorderStyle>(std::get<long long>(v));
                    }});
  return true;
}();
}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetState(csLoading, true);
  visible_ = false;
  Screen().AddForm(this);
}

TForm::~TForm() {
  // Only a form deleted without its teardown phase still has a window here; the menu
  // belongs to its TMainMenu, so the window must not take it along.
  if (HandleAllocated() && menu_) ::SetMenu(Handle(), nullptr);
  Screen().RemoveForm(this);
}

void TForm::ComputeStyles(DWORD& style, DWORD& exStyle) const {
  style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  exStyle = 0;
  switch (BorderStyle) {
    case TFormBorderStyle::bsNone:
      style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
      style |= WS_CAPTION | WS_BORDER;
      break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      style |= WS_CAPTION | WS_POPUP;
      exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (BorderStyle == TFormBorderStyle::bsToolWindow || BorderStyle == TFormBorderStyle::bsSizeToolWin)
    exStyle |= WS_EX_TOOLWINDOW;
  if (BorderStyle != TFormBorderStyle::bsNone && (BorderIcons & biSystemMenu)) {
    style |= WS_SYSMENU;
    bool dialog = BorderStyle == TFormBorderStyle::bsDialog;
    if (!dialog && (BorderIcons & biMinimize)) style |= WS_MINIMIZEBOX;
    if (!dialog && (BorderIcons & biMaximize)) style |= WS_MAXIMIZEBOX;
    if (BorderIcons & biHelp) exStyle |= WS_EX_CONTEXTHELP;
  }
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu_ && menuListener_) menu_->RemoveChangeListener(menuListener_);
  menuListener_ = 0;
  menu_ = menu;
  if (menu_) {
    menuListener_ = menu_->AddChangeListener([this](TMenuItem*, bool) { AttachMenu(); });
  }
  AttachMenu();
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == menu_) {
    menu_ = nullptr;
    menuListener_ = 0;
  }
}

bool TForm::IsShortCut(TShortCut shortCut) { return menu_ && menu_->IsShortCut(shortCut); }

void TForm::AttachMenu() {
  if (!HandleAllocated()) return;
  ::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
  UpdateMDIMenus();
  DrawMenuBar(Handle());
}

// The MDI client fills the main form's client area (the frame procedure keeps it so) and
// lists its documents in the Window menu.
void TForm::CreateMDIClient() {
  CLIENTCREATESTRUCT client{WindowMenu ? WindowMenu->Handle() : nullptr, 0xFF00};
  RECT area;
  GetClientRect(Handle(), &area);
  clientHandle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                  WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0,
                                  area.right, area.bottom, Handle(), nullptr, GetModuleHandleW(nullptr), &client);
  if (!clientHandle_) throw Win32Error("Cannot create the MDI client window");
}

// The documents' area is what the bars along the edges leave.
void TForm::ClientAreaArranged(const TRect& rest) {
  if (!clientHandle_) return;
  MoveWindow(clientHandle_, rest.left, rest.top, std::max(rest.Width(), 0), std::max(rest.Height(), 0), TRUE);
}

// Menu handles are made anew when a menu changes; the client must hear of the new ones.
void TForm::UpdateMDIMenus() {
  if (!clientHandle_ || !menu_) return;
  SendMessageW(clientHandle_, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu_->Handle()),
               reinterpret_cast<LPARAM>(WindowMenu ? WindowMenu->Handle() : nullptr));
}

std::vector<TForm*> TForm::MDIChildList() {
  std::vector<TForm*> children;
  if (!clientHandle_) return children;
  HWND active = reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0));
  if (auto* form = dynamic_cast<TForm*>(FromHandle(active))) children.push_back(form);
  for (HWND child = GetWindow(clientHandle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    auto* form = dynamic_cast<TForm*>(FromHandle(child));
    if (form && child != active && !form->HasState(csDestroying)) children.push_back(form);
  }
  return children;
}

int TForm::MDIChildCount() { return static_cast<int>(MDIChildList().size()); }

TForm* TForm::MDIChildren(int index) { return MDIChildList().at(static_cast<size_t>(index)); }

TForm* TForm::ActiveMDIChild() {
  if (!clientHandle_) return nullptr;
  return dynamic_cast<TForm*>(FromHandle(reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0))));
}

void TForm::Cascade() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TForm::Tile(bool rows) {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDITILE, rows ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

// MDI windows end their messages in the frame and child procedures of the system, which
// move the client, merge the maximized child's buttons and keep the Window menu.
void TForm::DefaultHandler(TMessage& message) {
  if (HandleAllocated() && !IsFrameworkMessage(message.Msg)) {
    if (FormStyle == TFormStyle::fsMDIForm && clientHandle_) {
      message.Result = DefFrameProcW(Handle(), clientHandle_, message.Msg, message.WParam, message.LParam);
      return;
    }
    if (FormStyle == TFormStyle::fsMDIChild) {
      message.Result = DefMDIChildProcW(Handle(), message.Msg, message.WParam, message.LParam);
      return;
    }
  }
  TWinControl::DefaultHandler(message);
}

// The frame follows the new styles and the client area keeps its size.
void TForm::BorderChanged() {
  if (!HandleAllocated()) return;
  const SIZE client = ClientSize();
  DWORD style, exStyle;
  ComputeStyles(style, exStyle);
  const DWORD kept = GetWindowLongW(Handle(), GWL_STYLE) & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
  SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(style | kept));
  SetWindowLongW(Handle(), GWL_EXSTYLE, static_cast<LONG>(exStyle));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetClientSize(client.cx, client.cy);
}

SIZE TForm::ClientSize() {
  if (!HandleAllocated() && (clientWidth_ > 0 || clientHeight_ > 0)) return SIZE{clientWidth_, clientHeight_};
  return TWinControl::ClientSize();
}

TWindowState TForm::WindowState() {
  if (!HandleAllocated()) return windowState_;
  if (IsIconic(Handle())) return TWindowState::wsMinimized;
  if (IsZoomed(Handle())) return TWindowState::wsMaximized;
  return TWindowState::wsNormal;
}

void TForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (!Showing()) return;
  if (state == TWindowState::wsMinimized) {
    ShowWindow(Handle(), SW_MINIMIZE);
  } else if (state == TWindowState::wsMaximized) {
    ShowWindow(Handle(), SW_MAXIMIZE);
  } else {
    // A minimized window that was maximized restores to maximized first.
    for (int step = 0; step < 2 && (IsIconic(Handle()) || IsZoomed(Handle())); ++step) ShowWindow(Handle(), SW_RESTORE);
  }
}

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  if (HandleAllocated()) {
    FitClientSize();
    return;
  }
  // Until the window exists the system frame of the styles is the best guess; the real
  // frame, which a skin may draw otherwise, is measured once the window is made.
  clientSizePending_ = true;
  DWORD style, exStyle;
  ComputeStyles(style, exStyle);
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, style, menu_ != nullptr, exStyle);
  SetBounds(Left(), Top(), rect.right - rect.left, rect.bottom - rect.top);
}

// Sizes the window to the asked client size over its real non-client area. A second
// pass catches a frame that changes with the width (a menu bar that wraps).
void TForm::FitClientSize() {
  clientSizePending_ = false;
  for (int pass = 0; pass < 2; ++pass) {
    RECT window, client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    if (client.right == clientWidth_ && client.bottom == clientHeight_) return;
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    SetBounds(Left(), Top(), clientWidth_ + frameWidth, clientHeight_ + frameHeight);
  }
}

int TForm::ClientWidth() {
  if (!HandleAllocated()) return clientWidth_;
  RECT rect;
  GetClientRect(Handle(), &rect);
  return rect.right;
}

int TForm::ClientHeight() {
  if (!HandleAllocated()) return clientHeight_;
  RECT rect;
  GetClientRect(Handle(), &rect);
  return rect.bottom;
}

void TForm::SetIcons(HICON big, HICON small) {
  bigIcon_ = big;
  smallIcon_ = small;
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void TForm::CreateHandleDone() {
  if (FormStyle == TFormStyle::fsMDIForm) CreateMDIClient();
  AttachMenu();
  if (bigIcon_ || smallIcon_) SetIcons(bigIcon_, smallIcon_);
  if (clientSizePending_) FitClientSize();
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  ComputeStyles(params.style, params.exStyle);
  params.parent = nullptr;
  // Owned by the main form so that secondary windows stay above it and leave the
  // taskbar to it.
  TForm* main = Application().MainForm();
  if (main && main != this) params.parent = main->Handle();
  if (FormStyle == TFormStyle::fsMDIChild) {
    if (!main || main == this || main->FormStyle != TFormStyle::fsMDIForm || !main->Handle() || !main->ClientHandle())
      throw Error("An MDI child form needs an MDI main form");
    params.parent = main->ClientHandle();
    params.exStyle |= WS_EX_MDICHILD;
    params.style |= WS_CLIPSIBLINGS;
  }
}

void TForm::FormCreated() {
  FinishLoading();
  if (OnCreate) {
    try {
      OnCreate(this);
    } catch (...) {
      Application().HandleException(std::current_exception());
    }
  }
}

void TForm::Show() {
  SetVisible(true);
  HWND window = Handle();
  if (FormStyle == TFormStyle::fsMDIChild) {
    ShowWindow(window, windowState_ == TWindowState::wsMaximized ? SW_SHOWMAXIMIZED : SW_SHOW);
    SendMessageW(GetParent(window), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
    return;
  }
  ShowWindow(window, windowState_ == TWindowState::wsMinimized   ? SW_SHOWMINIMIZED
                     : windowState_ == TWindowState::wsMaximized ? SW_SHOWMAXIMIZED
                                                                 : SW_SHOW);
  SetForegroundWindow(window);
}

void TForm::Hide() { SetVisible(false); }

void TForm::Release() {
  if (!Owner() || HasState(csDestroying)) return;
  Application().QueueRelease(*this);
  if (HandleAllocated()) PostMessageW(Handle(), CM_RELEASE, 0, 0);  // wakes the loop
}

void TForm::BeforeDestruction() {
  if (HasState(csDestroying)) return;
  Application().ForgetRelease(*this);
  // The client destroys its documents itself, so that it activates the next one.
  if (FormStyle == TFormStyle::fsMDIChild && HandleAllocated())
    SendMessageW(GetParent(Handle()), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
  TWinControl::BeforeDestruction();
}

int TForm::ShowModal() {
  HWND active = ::GetActiveWindow();
  // The thread's other enabled top-level windows, as a dialog box disables its owner.
  struct Collect {
    HWND self;
    std::vector<HWND> windows;
  } collect{HandleAllocated() ? Handle() : nullptr, {}};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto& c = *reinterpret_cast<Collect*>(data);
        if (window != c.self && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) c.windows.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&collect));
  for (HWND window : collect.windows) ::EnableWindow(window, FALSE);
  ModalResult = 0;
  struct Restore {
    TForm& form;
    std::vector<HWND>& windows;
    HWND active;
    ~Restore() {
      for (HWND window : windows)
        if (::IsWindow(window)) ::EnableWindow(window, TRUE);
      if (form.HandleAllocated()) form.Hide();
      if (active && ::IsWindow(active)) ::SetActiveWindow(active);
    }
  } restore{*this, collect.windows, active};
  Show();
  ::SetActiveWindow(Handle());
  while (ModalResult == 0 && !Application().Terminated()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    Application().ProcessMessages();
    if (ModalResult == 0 && !Showing()) ModalResult = IDCANCEL;
  }
  return ModalResult == 0 ? IDCANCEL : ModalResult;
}

void TForm::Close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  if (!canClose) return;
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (this == Application().MainForm()) {
    Application().Terminate();
    return;
  }
  if (action == TCloseAction::caFree) {
    Release();
    return;
  }
  if (action == TCloseAction::caMinimize) {
    ShowWindow(Handle(), SW_MINIMIZE);
    return;
  }
  Hide();
}

TButton* TForm::FindDialogButton(bool cancel) {
  std::vector<TWinControl*> pending{this};
  while (!pending.empty()) {
    TWinControl* control = pending.back();
    pending.pop_back();
    for (TControl* child : control->Controls()) {
      if (auto* button = dynamic_cast<TButton*>(child);
          button && button->Visible() && button->Enabled() && (cancel ? button->Cancel : button->Default))
        return button;
      if (auto* windowed = dynamic_cast<TWinControl*>(child)) pending.push_back(windowed);
    }
  }
  return nullptr;
}

bool TForm::HandleMenuMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
      if (HIWORD(message.WParam) == 0 && message.LParam == 0) {
        if (TMenuItem* item = TMenuItem::FromCommand(LOWORD(message.WParam))) {
          item->Click();
          return true;
        }
      }
      if ((LOWORD(message.WParam) == IDOK || LOWORD(message.WParam) == IDCANCEL) && message.LParam == 0) {
        if (TButton* button = FindDialogButton(LOWORD(message.WParam) == IDCANCEL)) button->Click();
        return true;
      }
      return false;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      return TMenu::DispatchOwnerDraw(Handle(), message);
    default:
      return false;
  }
}

// True for a window this form owns, directly or through other owned windows (its own
// message boxes and dialogs).
bool TForm::OwnsWindow(HWND window) {
  if (!HandleAllocated()) return false;
  for (HWND owner = window ? GetWindow(window, GW_OWNER) : nullptr; owner; owner = GetWindow(owner, GW_OWNER)) {
    if (owner == Handle()) return true;
  }
  return false;
}

void TForm::WndProc(TMessage& message) {
  if (HandleMenuMessage(message)) return;
  switch (message.Msg) {
    case WM_DESTROY:
      // The menu belongs to its TMainMenu; detach it so DestroyWindow leaves it alone.
      if (menu_) ::SetMenu(Handle(), nullptr);
      TWinControl::WndProc(message);
      return;
    case WM_CLOSE:
      Close();
      return;
    case WM_GETMINMAXINFO: {
      TWinControl::WndProc(message);
      auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
      const TSizeConstraints& limits = Constraints();
      if (limits.MinWidth > 0) info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, limits.MinWidth);
      if (limits.MinHeight > 0) info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, limits.MinHeight);
      if (limits.MaxWidth > 0) info->ptMaxTrackSize.x = std::min<LONG>(info->ptMaxTrackSize.x, limits.MaxWidth);
      if (limits.MaxHeight > 0) info->ptMaxTrackSize.y = std::min<LONG>(info->ptMaxTrackSize.y, limits.MaxHeight);
      return;
    }
    case WM_ACTIVATEAPP:
      Application().SetActive(message.WParam != 0);
      TWinControl::WndProc(message);
      return;
    case WM_SHOWWINDOW:
      visible_ = message.WParam != 0;
      TWinControl::WndProc(message);
      if (message.WParam && OnShow) OnShow(this);
      if (!message.WParam && OnHide) OnHide(this);
      return;
    case WM_ACTIVATE:
      if (LOWORD(message.WParam) == WA_INACTIVE)
        deactivatedForOwnedWindow_ = OwnsWindow(reinterpret_cast<HWND>(message.LParam));
      TWinControl::WndProc(message);
      if (LOWORD(message.WParam) != WA_INACTIVE) {
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    default:
      TWinControl::WndProc(message);
  }
}

}  // namespace zentavo
