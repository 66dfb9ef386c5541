#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Layout.h"
#include "framework/win/Font.h"
#include "framework/win/Message.h"

namespace zentavo {

class TWinControl;
class TPopupMenu;

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

  // Placement in the parent: an edge or the rest of the client area, or the control's own
  // bounds kept at a distance from the anchored parent edges. Sizes stay within Constraints.
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  unsigned Anchors() const { return anchors_; }
  void SetAnchors(unsigned anchors);
  const TSizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const TSizeConstraints& constraints);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);
  // The colour the control paints its background with: its own or, with ParentColor,
  // its parent's.
  TColor EffectiveColor() const;
  TFont Font;
  // Call after changing Font so that the window picks up the new font.
  void FontChanged();

  TPopupMenu* PopupMenu = nullptr;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

  // Sends a message through WindowProc (the control's whole message path).
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Repaints the control now (window controls) or its area of the parent.
  virtual void Invalidate();
  // The control's rectangle in its parent's client coordinates is BoundsRect; this is
  // its client rectangle (origin 0, 0).
  RECT ClientRect() const { return RECT{0, 0, Width(), Height()}; }

 protected:
  // The control's own handling; ends in DefaultHandler for anything not handled.
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  virtual void TextChanged() {}
  virtual void BoundsChanged() {}
  virtual void ColorChanged() { Invalidate(); }
  virtual void DoContextPopup(POINT screenPoint);

 private:
  friend class TWinControl;
  // Remembers the bounds and the parent's client size as the place anchors keep.
  void RecordPlacement();
  TLayoutChild LayoutChild() const;

 protected:
  RECT bounds_{};
  TAlign align_ = TAlign::alNone;
  unsigned anchors_ = kDefaultAnchors;
  TSizeConstraints constraints_;
  TRect placed_;
  int placedParentWidth_ = 0;
  int placedParentHeight_ = 0;
  TWinControl* parent_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
};

// A control without a window (label, speed button): its parent paints it and forwards the
// mouse messages that fall on it, as WM_PAINT (wParam = the DC, origin at the control) and
// mouse messages in the control's coordinates, all through its WindowProc.
class TGraphicControl : public TControl {
  ZENTAVO_CLASS(TGraphicControl, TControl)
 public:
  explicit TGraphicControl(TComponent* owner);
  // The parent erases the control's area before the control paints again, so a text,
  // font, colour, visibility or bounds change leaves nothing of the old picture behind.
  void Invalidate() override;
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void WndProc(TMessage& message) override;
  virtual void Paint(HDC dc) = 0;
  void VisibleChanged() override { Invalidate(); }
  void TextChanged() override { Invalidate(); }
  void BoundsChanged() override { Invalidate(); }

 private:
  bool mouseInside_ = false;
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

  // Creates the window on first use; a control in its teardown phase gets none.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void DestroyHandle();
  // Makes the window anew (for styles the native control reads only when it is created),
  // children included; CM_RECREATEWND tells the control's message path first.
  void RecreateWnd();
  // Destroys the window while the whole object, derived handlers included, is alive.
  void BeforeDestruction() override;

  const std::vector<TControl*>& Controls() const { return controls_; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  void SetBounds(int left, int top, int width, int height) override;
  // The size of the area children are placed in.
  virtual SIZE ClientSize();
  // Places the aligned and anchored children for the current client size.
  void ArrangeControls();
  // Told the area the aligned children leave free after each arrangement.
  virtual void ClientAreaArranged(const TRect&) {}
  void SetFocus();
  bool Focused();
  void Invalidate() override;
  // Marks an area of a window-less child for erasing with this control's background
  // before the child paints again, and repaints it.
  void InvalidateGraphicArea(const RECT& area);
  // For a painter that draws this control's whole client picture itself (a skin): the
  // window-less children in their z-order onto dc, whose origin is the client area's. The
  // picture covers whatever they left behind, so nothing stale is erased later.
  void PaintChildrenOnto(HDC dc);
  // Offers a message to every child control in turn (window controls pass it on to
  // theirs) until one answers non-zero; returns that answer.
  LRESULT Broadcast(TMessage& message);
  // The topmost framework control above this one (its form), or this one.
  TWinControl* RootControl();

  // The object bound to a framework window, or nullptr for foreign windows.
  static TWinControl* FromHandle(HWND window);
  // The framework control of a window or of its nearest framework ancestor (the inner
  // edit of a combo box belongs to the combo box).
  static TWinControl* FindControl(HWND window);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  void Loaded() override;
  // Called once the window exists: children and state are pushed to it.
  virtual void CreateHandleDone() {}
  // Paints the client area of the framework's own window classes (not superclassed ones)
  // over the erased background; graphic children are painted after it.
  virtual void PaintWindow(HDC) {}
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void TextChanged() override;
  // The native control's text, for controls whose text the user edits.
  std::string WindowText();
  // Background brush for WM_CTLCOLOR… of native children, in the effective colour.
  HBRUSH BackgroundBrush();

 private:
  friend class TControl;
  bool arranging_ = false;  // children are being placed by ArrangeControls
  void PaintGraphicChildren(HDC dc);
  void EraseStaleGraphicAreas();
  void ReadBoundsFromWindow();
  void OfferKey(TMessage& message);
  bool ForwardMouseToGraphicChild(TMessage& message);
  void TrackMouse(TMessage& message);
  static LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static ATOM RegisterFrameworkClass(const TCreateParams& params, WNDPROC& baseProc);

  HWND handle_ = nullptr;
  WNDPROC defaultProc_ = DefWindowProcW;
  std::vector<TControl*> controls_;
  std::vector<RECT> staleGraphicAreas_;
  TControl* mouseChild_ = nullptr;
  bool mouseInside_ = false;
  BrushHandle backgroundBrush_;
  COLORREF backgroundBrushColor_ = CLR_INVALID;
};

}  // namespace zentavo
