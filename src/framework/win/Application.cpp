#include "framework/win/Application.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/win/Form.h"
#include "framework/win/WideText.h"

namespace zentavo {

TApplication& Application() {
  static TApplication application;
  return application;
}

std::string StandardErrorText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

TApplication::TApplication() = default;
TApplication::~TApplication() = default;

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES |
                                                      ICC_COOL_CLASSES | ICC_USEREX_CLASSES};
  InitCommonControlsEx(&controls);
}

void TApplication::RegisterForm(TForm& form) {
  if (!mainForm_) mainForm_ = &form;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
}

void TApplication::SetTitle(const std::string& title) { title_ = title; }

void TApplication::Run() {
  if (mainForm_) mainForm_->Show();
  MSG message;
  while (!terminated_) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    DispatchOne(message);
  }
  terminated_ = true;
}

bool TApplication::NotifyListeners(MSG& message) {
  return listeners_.TellUntil([&](const MessageListener& listener) { return listener(message); });
}

// Key-downs and characters go first through the focused control's own message path,
// which hands dialog keys and accelerators to its form (CM_DIALOGKEY, CM_DIALOGCHAR).
bool TApplication::OfferKeyToControl(const MSG& message) {
  const UINT msg = message.message;
  if (msg != WM_KEYDOWN && msg != WM_SYSKEYDOWN && msg != WM_CHAR && msg != WM_SYSCHAR) return false;
  TWinControl* control = TWinControl::FindControl(message.hwnd);
  if (!control) return false;
  if (msg != WM_SYSKEYDOWN && control->Perform(CN_BASE + msg, message.wParam, message.lParam) != 0) return true;
  if (msg == WM_CHAR || msg == WM_SYSCHAR) return false;
  // Then the menu bar's short-cuts of the control's form.
  auto* form = dynamic_cast<TForm*>(control->RootControl());
  unsigned shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return form && form->IsShortCut(ShortCut(static_cast<unsigned>(message.wParam), shift));
}

void TApplication::QueueRelease(TForm& form) {
  if (std::find(released_.begin(), released_.end(), &form) == released_.end()) released_.push_back(&form);
}

void TApplication::ForgetRelease(TForm& form) { std::erase(released_, &form); }

// Runs between two messages, so no handler of a released form is on the stack (unless a
// handler pumps messages itself). The form hears CM_RELEASE, then its owner frees it.
void TApplication::FreeReleasedForms() {
  while (!released_.empty()) {
    TForm* form = released_.front();
    released_.erase(released_.begin());
    try {
      form->Perform(CM_RELEASE);
    } catch (...) {
      HandleException(std::current_exception());
    }
    if (TComponent* owner = form->Owner()) owner->FreeComponent(form);
  }
}

bool TApplication::DispatchOne(MSG& message) {
  FreeReleasedForms();
  if (message.message == CM_RELEASE) return true;  // its work is done above
  // A listener may run a program's handler (a menu short-cut): its error is shown like
  // any handler's, and the message counts as handled.
  try {
    if (NotifyListeners(message)) return true;
  } catch (...) {
    HandleException(std::current_exception());
    return true;
  }
  // The document windows' own keys (Ctrl+F4, Ctrl+F6) come before the controls' keys.
  if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST && mainForm_ && mainForm_->ClientHandle() &&
      TranslateMDISysAccel(mainForm_->ClientHandle(), &message))
    return true;
  if (OfferKeyToControl(message)) return true;
  // Tab and the arrow keys move between controls, as in dialogs.
  if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST && message.hwnd) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (dynamic_cast<TForm*>(TWinControl::FromHandle(root)) && IsDialogMessageW(root, &message)) return true;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}

void TApplication::Terminate() {
  if (!terminated_) PostQuitMessage(0);
  terminated_ = true;
}

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    DispatchOne(message);
  }
}

bool TApplication::ProcessMessagesUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

int TApplication::AddOnMessage(MessageListener listener) { return listeners_.Add(std::move(listener)); }

void TApplication::RemoveOnMessage(int id) { listeners_.Remove(id); }

int TApplication::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  if (MessageBoxOverride) return MessageBoxOverride(owner, text, caption, flags);
  return ::MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
}

void TApplication::ShowException(const std::string& text) {
  HWND owner = GetActiveWindow();
  ShowMessageBox(owner, StandardErrorText(text), title_, MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    ShowException("Unknown error");
  }
}

}  // namespace zentavo
