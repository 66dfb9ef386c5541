#pragma once
#include <windows.h>

#include <functional>

#include "framework/win/Control.h"
#include "framework/win/Menu.h"

namespace zentavo {

class TButton;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
// A normal window, the main window of a multiple-document interface (with an MDI client
// window that holds the documents), or one of its document windows.
enum class TFormStyle { fsNormal, fsMDIForm, fsMDIChild };

// A value of a form that is applied to the live window whenever it is assigned.
template <class T>
class TLiveValue {
 public:
  TLiveValue(T value, std::function<void()> changed) : value_(value), changed_(std::move(changed)) {}
  TLiveValue& operator=(T value) {
    if (value != value_) {
      value_ = value;
      changed_();
    }
    return *this;
  }
  operator T() const { return value_; }

 private:
  T value_;
  std::function<void()> changed_;
};

// A top-level window built in code: the derived form's constructor creates its named
// components, then calls FinishLoading().
class TForm : public TWinControl {
  ZENTAVO_CLASS(TForm, TWinControl)
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // Both take effect at once on a shown window; its client area keeps its size.
  TLiveValue<TFormBorderStyle> BorderStyle{TFormBorderStyle::bsSizeable, [this] { BorderChanged(); }};
  TLiveValue<unsigned> BorderIcons{biSystemMenu | biMinimize | biMaximize, [this] { BorderChanged(); }};

  // Set before the window is made. An MDI child's parent is the main form's MDI client.
  TFormStyle FormStyle = TFormStyle::fsNormal;
  // MDI main form: the menu item whose submenu lists the document windows.
  TMenuItem* WindowMenu = nullptr;
  // MDI main form: the client window, its document windows in the client's order (the
  // active one first) and the active one.
  HWND ClientHandle() const { return clientHandle_; }
  int MDIChildCount();
  TForm* MDIChildren(int index);
  TForm* ActiveMDIChild();
  void Cascade();
  void Tile(bool rows = false);

  // Minimized, maximized or normal, read from the window while it exists; set before the
  // window is shown, it applies at showing.
  TWindowState WindowState();
  void SetWindowState(TWindowState state);
  // Scroll bars when the children reach past the client area; sizes in pixels as given.
  bool AutoScroll = false;
  bool Scaled = false;

  // The menu bar; set it before sizing the client area (the bar is outside the client).
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // Runs the menu item whose short-cut this is; false when the menu bar has none.
  virtual bool IsShortCut(TShortCut shortCut);

  // The window's icons (title bar and Alt+Tab); not owned.
  void SetIcons(HICON big, HICON small);
  HICON Icon() const { return bigIcon_; }
  HICON SmallIcon() const { return smallIcon_; }

  // Sizes the window so that its client area has this size (under the current border).
  void SetClientSize(int width, int height);
  int ClientWidth();
  int ClientHeight();

  void Show();
  void Hide();
  // Shows the form as a dialog: the application's other windows take no input until the
  // form sets ModalResult to something other than 0 or is hidden (closed: mrCancel).
  // Returns ModalResult; the form is hidden again.
  int ShowModal();
  int ModalResult = 0;
  // Asks OnClose what to do; hiding is the default, and closing the main form ends the
  // application.
  void Close();
  // Frees the form from the message loop once the messages now in hand are done, so a
  // form may ask for its own end from one of its handlers. Only an owned form is freed.
  void Release();
  bool Showing() const { return HandleAllocated() && IsWindowVisible(const_cast<TForm*>(this)->Handle()); }

  // While OnActivate runs: true when the form comes back from a window it owns (its own
  // message box), false when the user comes from another window.
  bool ReturningFromOwnedWindow() const { return deactivatedForOwnedWindow_; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  std::function<void(TComponent* sender, TCloseAction& action)> OnClose;
  // Asked before OnClose; leaving canClose false keeps the form open.
  std::function<void(TComponent* sender, bool& canClose)> OnCloseQuery;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void ClientAreaArranged(const TRect& rest) override;
  void BeforeDestruction() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Derived constructors call this last: it finishes loading and runs OnCreate, whose
  // errors are reported while the form is created all the same.
  void FormCreated();

 private:
  void ComputeStyles(DWORD& style, DWORD& exStyle) const;
  void AttachMenu();
  void FitClientSize();
  void BorderChanged();
  SIZE ClientSize() override;
  bool OwnsWindow(HWND window);
  bool HandleMenuMessage(TMessage& message);
  TButton* FindDialogButton(bool cancel);
  TMainMenu* menu_ = nullptr;
  int menuListener_ = 0;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  bool clientSizePending_ = false;
  TWindowState windowState_ = TWindowState::wsNormal;
  HWND clientHandle_ = nullptr;  // destroyed with the form's window
  void CreateMDIClient();
  void UpdateMDIMenus();
  std::vector<TForm*> MDIChildList();
  bool deactivatedForOwnedWindow_ = false;
};

}  // namespace zentavo
