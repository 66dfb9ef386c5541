#pragma once
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/Control.h"
#include "framework/win/Menu.h"

namespace zentavo {

class TImageList;
class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// One button of a tool bar. It has no window of its own: the tool bar draws it and reports
// its clicks, so it is a component of the tool bar, made with TToolBar::AddButton.
class TToolButton : public TComponent {
  ZENTAVO_CLASS(TToolButton, TComponent)
 public:
  explicit TToolButton(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // Read when the button joins the tool bar's window.
  TToolButtonStyle Style = TToolButtonStyle::tbsButton;
  // Latched: checked for a tbsCheck button, pressed for the others.
  bool Down();
  void SetDown(bool down);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  TNotifyEvent OnClick;

  // A button bound to a menu item shows the item's caption and state, following its
  // changes, and drops the item's submenu below itself when clicked.
  TMenuItem* MenuItem() const { return menuItem_.get(); }
  void SetMenuItem(TMenuItem* item);
  // Grouped menu buttons pass an open menu on to each other as the mouse moves over them.
  bool Grouped = false;
  // As wide as its caption and picture need (read when the button joins the window).
  bool AutoSize = false;

  // The command id the tool bar knows the button by.
  int Command() const { return command_; }
  // The button's rectangle in the tool bar; empty before the window exists.
  RECT BoundsRect();

 protected:
  void BeforeDestruction() override;

 private:
  friend class TToolBar;
  TToolBar* ToolBar() const;
  void Push(UINT mask);
  BYTE NativeState() const;
  void FollowMenuItem();
  void StopFollowing();
  std::string caption_;
  int imageIndex_ = -1;
  bool down_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  int command_ = 0;
  TMenuRef<TMenuItem> menuItem_;
  TMenuRef<TMenu> followedMenu_;
  int menuListener_ = 0;
};

// A row of buttons with pictures and captions (superclassed "ToolbarWindow32").
class TToolBar : public TWinControl {
  ZENTAVO_CLASS(TToolBar, TWinControl)
 public:
  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;

  TToolButton& AddButton(const std::string& caption = "", int imageIndex = -1,
                         TToolButtonStyle style = TToolButtonStyle::tbsButton);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TToolButton& Button(int index) const { return *buttons_.at(index); }
  // Frees every button.
  void ClearButtons();
  // The button under the mouse (hot-tracked), or nullptr.
  TToolButton* HotButton();
  // What a click does: the bound menu item's submenu drops down (an item without one is
  // clicked), otherwise the button's OnClick runs.
  void ClickButton(TToolButton& button);

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // Captions beside the pictures instead of below them.
  bool List() const { return list_; }
  void SetList(bool list);
  // Without captions the buttons show only their pictures.
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool show);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  TImageList* HotImages() const { return hotImages_; }
  void SetHotImages(TImageList* images);
  // The height follows the rows of buttons.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // Buttons that do not fit the width go on to further rows.
  bool Wrapable() const { return wrapable_; }
  void SetWrapable(bool wrapable);
  // The popup that carries a menu button's drop-down (made on the first drop-down, owned
  // by the tool bar); its OnPopup runs before each drop-down.
  TPopupMenu* MenuPopup() const { return menuPopup_; }
  // The menu button whose drop-down is open, or nullptr.
  TToolButton* TrackedButton() const { return FindButton(trackedCommand_); }

  // Draws a button instead of the tool bar (defaultDraw false) or before it; `state` holds
  // the CDIS_… flags of the button.
  std::function<void(TToolBar* sender, TToolButton* button, HDC dc, const RECT& rect, UINT state,
                     bool& defaultDraw)>
      OnCustomDrawButton;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // Told once, when the drop-down popup is made.
  virtual void MenuPopupCreated(TPopupMenu&) {}
  // The button whose caption marks this character as its accelerator ("&File" for f).
  TToolButton* FindAccelerator(WPARAM character) const;

 private:
  friend class TToolButton;
  friend class TToolBarMenuTracking;
  void InsertNativeButton(int index);
  DWORD ToolBarStyle() const;
  void PushStyle();
  void PushBitmapSize();
  void AdjustSize();
  LRESULT CustomDraw(NMTBCUSTOMDRAW& draw);
  TToolButton* FindButton(int command) const;
  TToolButton* ButtonAt(POINT client);
  void TrackMenu(TToolButton& button);
  bool MenuClosingClick(TToolButton& button);
  std::vector<TToolButton*> buttons_;
  bool flat_ = false;
  bool transparent_ = false;
  bool list_ = false;
  bool showCaptions_ = false;
  bool autoSize_ = false;
  bool wrapable_ = false;
  bool adjusting_ = false;
  TImageList* images_ = nullptr;
  TImageList* hotImages_ = nullptr;
  TPopupMenu* menuPopup_ = nullptr;
  int trackedCommand_ = 0;
  int closingClickCommand_ = 0;
  DWORD closingClickTime_ = 0;
  int nextCommand_ = 1000;
  std::shared_ptr<const char> life_ = std::make_shared<const char>();  // for a menu loop to see the end
};

// A container of bands, each holding one control (superclassed "ReBarWindow32").
class TCoolBar : public TWinControl {
  ZENTAVO_CLASS(TCoolBar, TWinControl)
 public:
  explicit TCoolBar(TComponent* owner);
  // Puts a control on a band of its own; the control becomes a child of the cool bar.
  void AddBand(TWinControl& control, const std::string& text = "");
  int BandCount() const { return static_cast<int>(bands_.size()); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Notification(TComponent* component, TOperation operation) override;
  void ColorChanged() override;
  void WndProc(TMessage& message) override;

 private:
  // The native bar paints its own background in the colour it is told: the effective one.
  void PushColor();
  COLORREF pushedColor_ = CLR_INVALID;
  struct Band {
    TWinControl* control;
    std::string text;
  };
  void InsertNativeBand(int index);
  std::vector<Band> bands_;
};

}  // namespace zentavo
