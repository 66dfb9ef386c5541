#pragma once
#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/win/Message.h"
#include "framework/win/PaintSurface.h"
#include "skin/WrapperKind.h"
#include "skin/win/SkinGuard.h"

namespace zentavo {

class TBitmap;
class TFont;
class TsuiSkinEngine;
class TsuiSkinWindow;
class TsuiSkinControl;

// What a control's message procedure knows of its wrapper. The procedure keeps it alive;
// the wrapper clears it when it goes, so a message that outlives the wrapper (one whose
// handling freed it) finds nobody to call and goes its ordinary way.
struct TSkinControlLink {
  TsuiSkinControl* wrapper = nullptr;
  int depth = 0;  // messages of the control being handled right now, nested ones included
};

// An error of a program's own handler that a wrapper called (a button's click). It passes
// the wrapper's guard and reaches the caller, as it would without the wrapper: the
// engine's guard is for the engine's own work.
struct THandlerError {
  std::exception_ptr error;
};

// Runs a program's handler from inside a wrapper.
template <class F>
void CallProgramHandler(F&& handler) {
  try {
    handler();
  } catch (...) {
    throw THandlerError{std::current_exception()};
  }
}

// A control wrapper: it sees every message of one control of a skinned window and paints
// the control from the skin. The window's frame wrapper owns its control wrappers; the
// subclasses draw the families of controls. A wrapper never owns its control.
class TsuiSkinControl {
 public:
  explicit TsuiSkinControl(TsuiSkinWindow& window);
  virtual ~TsuiSkinControl();
  TsuiSkinControl(const TsuiSkinControl&) = delete;
  TsuiSkinControl& operator=(const TsuiSkinControl&) = delete;

  enum : unsigned { kHot = 1u << 0, kDown = 1u << 1 };

  TsuiSkinWindow& Window() const { return window_; }
  TsuiSkinEngine& Engine() const { return engine_; }
  unsigned State() const { return state_; }
  bool Hot() const { return (state_ & kHot) != 0; }
  bool Down() const { return (state_ & kDown) != 0; }
  bool Detached() const { return detached_; }

  // The wrapper class of the tables this object is.
  virtual TWrapperKind WrapperKind() const = 0;

  // True: the saved window procedure is to run.
  virtual bool BeforeMessage(TMessage& message);
  // State tracking and repaint after the saved procedure.
  virtual void AfterMessage(TMessage& message);
  virtual void Paint() {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown() {}
  virtual void MouseUp() {}
  virtual void KeyDown(WPARAM /*key*/) {}
  virtual void KeyUp(WPARAM /*key*/) {}
  virtual void SkinChanged() {}
  virtual void Initialize() {}
  virtual void Detach() { detached_ = true; }
  virtual RECT GetControlRect() const = 0;
  // The control's window; none for a control without one, or once the window has gone.
  virtual HWND GetHandle() const = 0;
  virtual bool GetEnabled() const = 0;
  virtual bool WantsParentColor() const { return false; }

  // Takes part in the control's messages from now on and runs Initialize. Separate from
  // the constructor, which cannot reach the overrides of the class being made; the
  // factories call it (MakeSkinControl).
  void Start();
  // Stops taking part in the control's messages and gives the control its message
  // procedure back where the variant does so. The variants' destructors call it; calling
  // it before freeing lets the wrapper go while the whole object is still there.
  void Disconnect();

  // Painter helpers: the face bitmap's part under the control, with the caption centred on
  // it (grey when disabled, one pixel lower right while down). Nothing is drawn when the
  // control has no window or no device context is obtained.
  void DrawFace(const TBitmap& face, const std::string& caption, RECT textRect, const TFont* font);
  void DrawFaceWide(const TBitmap& face, const std::wstring& caption, RECT textRect, const TFont* font);
  void DrawGraphicAt(const TBitmap& graphic, POINT at);
  // The caption centred in textRect on dc, as DrawFace draws it.
  void DrawCaption(HDC dc, const std::wstring& caption, RECT textRect, const TFont* font) const;

  // The control's client picture as the wrapper composes it, into target (a paint's or a
  // print's context) over `area`, in one copy; the windowed children are left out.
  void PaintComposed(HDC target, const RECT& area);

 protected:
  void SetState(unsigned flags, bool on);
  // Paint when the engine is skinning. A wrapper that composes its control's picture asks
  // for a paint (the window is invalidated and updated); the others paint at once.
  void Repaint();
  // For controls the wrapper draws whole: WM_ERASEBKGND erases nothing; WM_PAINT and
  // WM_PRINTCLIENT put the composed picture on the paint's context, or for a wrapper that
  // does not compose, WM_PAINT only validates the window (the base AfterMessage paints
  // after it). True for those messages, which the control then never sees.
  bool TakeOverPainting(TMessage& message);
  // Wrappers that draw the whole client area of their control in Compose.
  virtual bool Composes() const { return false; }
  // The control's client picture for its state, into the surface, which has the client
  // area's size. GDI drawing on surface.Dc() after pixel writes needs no flush; pixel
  // writes after GDI drawing come after surface.Flush().
  virtual void Compose(TPaintSurface& /*surface*/) {}
  // The control's window-less children onto its composed picture, in their z-order.
  virtual void PaintWindowlessChildren(HDC /*dc*/) {}
  // For push buttons, which decide themselves when they are clicked: a left-button press
  // or double click shows the pressed face and is kept from the control (true).
  bool HoldBackPress(TMessage& message);
  // Whether the control shows the focus: during WM_KILLFOCUS the system still names it the
  // focused window, so a repaint then goes through RepaintLosingFocus.
  bool ShowsFocus() const;
  void RepaintLosingFocus();
  // True when the message goes only to the saved procedure: the engine is going away or
  // not skinning; variants add their own reasons.
  virtual bool PassesOn() const;
  // The variant's part of Disconnect: give the control its procedure back, or leave it.
  virtual void ReleaseControl() {}

  const std::shared_ptr<TSkinControlLink>& Link() const { return link_; }

  // One message of the control, as the variants' procedures deliver it: the wrapper's
  // hooks around the saved procedure (callSaved). The link is held by value so that it
  // outlives a wrapper freed during the message; after the saved procedure the wrapper is
  // asked for again, since that procedure may have freed it. The wrapper's own errors end
  // here; the saved procedure's go to the caller, as without a wrapper.
  template <class CallSaved>
  static void Route(std::shared_ptr<TSkinControlLink> link, TMessage& message, CallSaved&& callSaved);

 private:
  void DrawFaceText(const TBitmap& face, const wchar_t* caption, int length, RECT textRect,
                    const TFont* font);

  TsuiSkinWindow& window_;
  TsuiSkinEngine& engine_;
  TPaintSurface surface_;
  std::shared_ptr<TSkinControlLink> link_ = std::make_shared<TSkinControlLink>();
  unsigned state_ = 0;
  bool losingFocus_ = false;
  bool detached_ = false;
  bool disconnected_ = false;
};

template <class CallSaved>
void TsuiSkinControl::Route(std::shared_ptr<TSkinControlLink> link, TMessage& message,
                            CallSaved&& callSaved) {
  struct Depth {
    TSkinControlLink& link;
    explicit Depth(TSkinControlLink& l) : link(l) { ++link.depth; }
    ~Depth() { --link.depth; }
  } depth(*link);

  TsuiSkinControl* wrapper = link->wrapper;
  bool passesOn = true;
  try {
    passesOn = !wrapper || wrapper->PassesOn();
  } catch (...) {
    CountSwallowedError();
  }
  if (passesOn) {
    callSaved(message);
    return;
  }
  bool runSaved = true;
  try {
    runSaved = wrapper->BeforeMessage(message);
  } catch (const THandlerError& failure) {
    std::rethrow_exception(failure.error);
  } catch (...) {
    CountSwallowedError();
  }
  if (runSaved) callSaved(message);
  wrapper = link->wrapper;
  if (!wrapper || wrapper->Detached()) return;
  try {
    wrapper->AfterMessage(message);
  } catch (const THandlerError& failure) {
    std::rethrow_exception(failure.error);
  } catch (...) {
    CountSwallowedError();
  }
}

// The frame wrapper's list of control wrappers.
using TSkinControlList = std::vector<std::unique_ptr<TsuiSkinControl>>;

// Makes a wrapper and starts it once it is whole.
template <class T, class... Args>
std::unique_ptr<T> MakeSkinControl(Args&&... args) {
  auto wrapper = std::make_unique<T>(std::forward<Args>(args)...);
  wrapper->Start();
  return wrapper;
}

}  // namespace zentavo
