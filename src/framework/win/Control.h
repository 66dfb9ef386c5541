#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/win/Message.h"

namespace zentavo {

class TWinControl;

using TWndMethod = std::function<void(TMessage&)>;
using TNotifyEvent = std::function<void(TComponent* sender)>;

// A visual element: position, size, visibility, enabled state and text. Every message for
// it flows through WindowProc, which by default is WndProc; a skin wrapper replaces
// WindowProc and chains to the one it saved.
class TControl : public TComponent {
  ZENTAVO_CLASS(TControl, TComponent)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWndMethod WindowProc;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.right - bounds_.left; }
  int Height() const { return bounds_.bottom - bounds_.top; }
  RECT BoundsRect() const { return bounds_; }
  virtual void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  // Sends a message through WindowProc (the control's whole message path).
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

 protected:
  // The control's own handling; ends in DefaultHandler for anything not handled.
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  virtual void TextChanged() {}
  virtual void BoundsChanged() {}

 private:
  friend class TWinControl;

 protected:
  RECT bounds_{};
  TWinControl* parent_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
};

// Creation parameters a window control fills before its window is made.
struct TCreateParams {
  std::wstring className;      // framework class name, registered on first use
  std::wstring baseClassName;  // native class to superclass, empty for our own classes
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parent = nullptr;
  UINT classStyle = CS_DBLCLKS;
};

// A control with a window. The window is created lazily on first use of Handle(); its
// window class is named after the C++ class so hooks can recognise framework windows.
class TWinControl : public TControl {
  ZENTAVO_CLASS(TWinControl, TControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void DestroyHandle();

  const std::vector<TControl*>& Controls() const { return controls_; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  void SetBounds(int left, int top, int width, int height) override;
  void SetFocus();

  // The object bound to a framework window, or nullptr for foreign windows.
  static TWinControl* FromHandle(HWND window);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Called once the window exists: children and state are pushed to it.
  virtual void CreateHandleDone() {}
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void TextChanged() override;

 private:
  static LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static ATOM RegisterFrameworkClass(const TCreateParams& params, WNDPROC& baseProc);

  HWND handle_ = nullptr;
  WNDPROC defaultProc_ = DefWindowProcW;
  std::vector<TControl*> controls_;
  bool destroying_handle_ = false;
};

}  // namespace zentavo
