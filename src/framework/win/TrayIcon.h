#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/Component.h"
#include "framework/win/Handles.h"

namespace zentavo {

// An icon from 32-bit BGRA pixels (rows top to bottom, straight alpha).
IconHandle MakeIcon(int size, const std::vector<std::uint8_t>& bgra);

// An icon in the notification area. It has a hidden top-level window of its own for the
// icon's mouse messages and for the shell's "TaskbarCreated" broadcast, after which the
// icon is added again.
class TTrayIcon : public TComponent {
  ZENTAVO_CLASS(TTrayIcon, TComponent)
 public:
  // The message the shell sends to the icon's window for mouse actions on the icon.
  static constexpr UINT kCallbackMessage = WM_APP + 0x120;

  explicit TTrayIcon(TComponent* owner);
  ~TTrayIcon() override;

  void SetIcon(HICON icon) { icon_ = icon; }
  void Add();
  void Remove();
  bool Added() const { return added_; }
  HWND Window() const { return window_.get(); }

  std::function<void()> OnDblClick;
  std::function<void()> OnRightButtonUp;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  NOTIFYICONDATAW Data() const;

  WindowHandle window_;
  HICON icon_ = nullptr;  // not owned
  UINT taskbarCreated_;
  bool added_ = false;
};

}  // namespace zentavo
