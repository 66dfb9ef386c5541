#include "skin/win/SkinControlWnd.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/win/WideText.h"

namespace zentavo {

namespace {

// Subclass tokens whose wrapper went while a message of their window was being handled
// (a click on a dialog's button that closes the dialog frees the button's wrapper inside
// the click). The token is detached at once, but the object must outlive that message;
// it is freed from the message loop once no message of it is on the stack.
struct TRetiredSubclass {
  std::unique_ptr<WindowSubclass> token;
  std::shared_ptr<TSkinControlLink> link;
};

std::vector<TRetiredSubclass>& RetiredSubclasses() {
  static std::vector<TRetiredSubclass> retired;
  return retired;
}

UINT_PTR sweepTimer = 0;

void CALLBACK SweepRetiredSubclasses(HWND, UINT, UINT_PTR, DWORD) {
  auto& retired = RetiredSubclasses();
  std::vector<TRetiredSubclass> done;
  for (auto it = retired.begin(); it != retired.end();) {
    if (it->link->depth == 0) {
      done.push_back(std::move(*it));
      it = retired.erase(it);
    } else {
      ++it;
    }
  }
  if (retired.empty() && sweepTimer) {
    ::KillTimer(nullptr, sweepTimer);
    sweepTimer = 0;
  }
}

void Retire(std::unique_ptr<WindowSubclass> token, std::shared_ptr<TSkinControlLink> link) {
  RetiredSubclasses().push_back({std::move(token), std::move(link)});
  if (!sweepTimer) sweepTimer = ::SetTimer(nullptr, 0, 20, SweepRetiredSubclasses);
}

}  // namespace

TsuiSkinControlWnd::TsuiSkinControlWnd(HWND handle, TsuiSkinWindow& window) : TsuiSkinControl(window) {
  subclass_ =
      std::make_unique<WindowSubclass>(handle, [link = Link()](WindowSubclass& token, TMessage& message) {
        Route(link, message, [&token](TMessage& m) { token.Default(m); });
      });
}

TsuiSkinControlWnd::~TsuiSkinControlWnd() {
  Disconnect();
}

void TsuiSkinControlWnd::ReleaseControl() {
  if (!subclass_) return;
  // Detaching restores the window's procedure (when ours was the last subclass on it).
  subclass_->Detach();
  if (Link()->depth > 0)
    Retire(std::move(subclass_), Link());
  else
    subclass_.reset();
}

HWND TsuiSkinControlWnd::Handle() const {
  return subclass_ ? subclass_->Window() : nullptr;
}

int TsuiSkinControlWnd::WindowWidth() const {
  RECT r{};
  if (HWND window = Handle()) ::GetWindowRect(window, &r);
  return r.right - r.left;
}

int TsuiSkinControlWnd::WindowHeight() const {
  RECT r{};
  if (HWND window = Handle()) ::GetWindowRect(window, &r);
  return r.bottom - r.top;
}

std::string TsuiSkinControlWnd::WindowText() const {
  wchar_t text[260] = {};
  HWND window = Handle();
  const int length = window ? ::GetWindowTextW(window, text, 260) : 0;
  return Narrow(std::wstring_view(text, static_cast<size_t>(std::max(length, 0))));
}

RECT TsuiSkinControlWnd::GetControlRect() const {
  return RECT{0, 0, WindowWidth(), WindowHeight()};
}

bool TsuiSkinControlWnd::GetEnabled() const {
  HWND window = Handle();
  return window && ::IsWindowEnabled(window);
}

}  // namespace zentavo
