#include "framework/win/Application.h"

#include <commctrl.h>

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
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
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

bool TApplication::DispatchOne(MSG& message) {
  for (auto& [id, listener] : listeners_) {
    if (listener(message)) return true;
  }
  // Tab, Enter and Esc move between controls and press the form's default and cancel
  // buttons, as in dialogs.
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

int TApplication::AddOnMessage(MessageListener listener) {
  listeners_.emplace_back(nextListenerId_, std::move(listener));
  return nextListenerId_++;
}

void TApplication::RemoveOnMessage(int id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

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
