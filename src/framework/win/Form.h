#pragma once
#include <windows.h>

#include "framework/win/Control.h"
#include "framework/win/Menu.h"

namespace zentavo {

class TButton;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// A top-level window built in code: the derived form's constructor creates its named
// components, then calls FinishLoading().
class TForm : public TWinControl {
  ZENTAVO_CLASS(TForm, TWinControl)
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
  unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;

  // The menu bar; set it before sizing the client area (the bar is outside the client).
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // Runs the menu item whose short-cut this is; false when the menu bar has none.
  virtual bool IsShortCut(TShortCut shortCut);

  // The window's icons (title bar and Alt+Tab); not owned.
  void SetIcons(HICON big, HICON small);

  // Sizes the window so that its client area has this size (under the current border).
  void SetClientSize(int width, int height);
  int ClientWidth();
  int ClientHeight();

  void Show();
  void Hide();
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

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void BeforeDestruction() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Derived constructors call this last: it finishes loading and runs OnCreate, whose
  // errors are reported while the form is created all the same.
  void FormCreated();

 private:
  void ComputeStyles(DWORD& style, DWORD& exStyle) const;
  void AttachMenu();
  void FitClientSize();
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
  bool deactivatedForOwnedWindow_ = false;
};

}  // namespace zentavo
