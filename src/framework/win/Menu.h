#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Component.h"
#include "framework/ListenerList.h"
#include "framework/ShortCut.h"
#include "framework/win/Handles.h"
#include "framework/win/Message.h"

namespace zentavo {

class TAction;
class TImageList;

enum class TMenuAutoFlag { maAutomatic, maManual, maParent };
// Reading order of a menu: owner-drawn menus mirror their items for the right-to-left modes.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
class TMenu;
class TWinControl;

// A reference to a menu or menu item held by a party that does not own it (a tool bar
// button, a skinned form): it reads as none once the object is freed, whoever frees it.
template <class T>
class TMenuRef {
 public:
  TMenuRef() = default;
  TMenuRef(T* object) : object_(object), life_(object ? object->LifeToken() : std::weak_ptr<const void>()) {}
  T* get() const { return life_.expired() ? nullptr : object_; }
  T* operator->() const { return get(); }
  explicit operator bool() const { return get() != nullptr; }

 private:
  T* object_ = nullptr;
  std::weak_ptr<const void> life_;
};

// One menu entry. Items are owned by their form like every component; the menu tree only
// links them. A caption of "-" makes the item a separator line.
class TMenuItem : public TComponent {
  ZENTAVO_CLASS(TMenuItem, TComponent)
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // Appends an item (created by the same owner) as a child of this one.
  void Add(TMenuItem& item);
  void Remove(TMenuItem& item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(index); }
  TMenuItem* Parent() const { return parent_; }
  TMenu* Menu() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  // A picture from the menu's Images, or a bitmap of the item's own (owner-drawn menus
  // draw them).
  int ImageIndex = -1;
  TBitmap Bitmap;
  // The key that runs the item from its form; shown after the caption.
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  // The text shown in the menu: the caption, then a tab and the short-cut's name.
  std::string MenuText() const;

  TAction* Action() const { return action_; }
  void SetAction(TAction* action);
  std::function<void(TComponent* sender)> OnClick;
  // Runs the action, or OnClick when there is none.
  void Click();
  // Clicks the item once the message now in hand is done, so that whatever the click
  // frees (a tool bar's buttons, the item itself) is no longer on the stack.
  void PostClick();

  // Owner-draw support: when the menu is owner-drawn, these size and paint the item.
  std::function<void(TMenuItem& item, HDC dc, int& width, int& height)> OnMeasureItem;
  std::function<void(TMenuItem& item, HDC dc, const RECT& rect, UINT state)> OnDrawItem;

  UINT Command() const { return command_; }
  static TMenuItem* FromCommand(UINT command);
  // The menu handle of this item's submenu (items with children), made by the menu.
  HMENU Handle() const { return handle_; }

  // Expires when the item is freed (see TMenuRef).
  std::weak_ptr<const void> LifeToken() const { return life_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenu;
  void Changed(bool structural);
  void ActionChanged();
  void FillMenu(HMENU menu, bool ownerDraw);

  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  TShortCut shortCut_ = 0;
  TAction* action_ = nullptr;
  int actionSubscription_ = 0;
  UINT command_;
  HMENU handle_ = nullptr;  // not owned: the root menu's handle owns the whole tree
  std::shared_ptr<const char> life_ = std::make_shared<const char>();
};

// A menu: the root item's children are its entries. The handle is rebuilt whenever the
// tree changes; item property changes update it in place.
class TMenu : public TComponent {
  ZENTAVO_CLASS(TMenu, TComponent)
 public:
  explicit TMenu(TComponent* owner, bool popup);
  ~TMenu() override;

  TMenuItem& Items() { return items_; }
  HMENU Handle();
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool ownerDraw);
  TImageList* Images = nullptr;
  // Whether accelerator characters ("&") are chosen for the items automatically; kept for
  // painters that copy it from one menu to another.
  TMenuAutoFlag AutoHotkeys = TMenuAutoFlag::maAutomatic;
  TBiDiMode BiDiMode = TBiDiMode::bdLeftToRight;
  bool RightToLeft() const { return BiDiMode != TBiDiMode::bdLeftToRight; }

  // Told of every change: an item's state or text (source = the item, rebuilt = false), or
  // a new handle (source = nullptr, rebuilt = true; a form re-attaches its menu bar). Any
  // number of listeners; adding and removing is safe while they are told.
  using ChangeListener = std::function<void(TMenuItem* source, bool rebuilt)>;
  int AddChangeListener(ChangeListener listener);
  void RemoveChangeListener(int id);

  // Runs the enabled, visible item whose short-cut this is; false when none has it.
  bool IsShortCut(TShortCut shortCut);

  // Measures and paints owner-drawn menu items for any window that receives the menu
  // messages; true when the message was a menu item's.
  static bool DispatchOwnerDraw(HWND window, TMessage& message);

  // Expires when the menu is freed (see TMenuRef).
  std::weak_ptr<const void> LifeToken() const { return life_; }

 protected:
  friend class TMenuItem;
  void Rebuild();
  void UpdateItem(TMenuItem& item);
  void NotifyChange(TMenuItem* source, bool rebuilt);
  bool popup_;

 private:
  TMenuItem items_;
  MenuHandle handle_;
  bool ownerDraw_ = false;
  TListenerList<void(TMenuItem* source, bool rebuilt)> changeListeners_;
  std::shared_ptr<const char> life_ = std::make_shared<const char>();
};

class TMainMenu : public TMenu {
  ZENTAVO_CLASS(TMainMenu, TMenu)
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner, false) {}
};

class TPopupMenu : public TMenu {
  ZENTAVO_CLASS(TPopupMenu, TMenu)
 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner, true) {}
  // Shows the menu at a screen point and runs the chosen item once it closes.
  void Popup(int x, int y);
  std::function<void(TComponent* sender)> OnPopup;
  // The hidden window that owns every popup menu, so that owner drawing reaches popups
  // whatever their owner (a form, a foreign dialog, nothing).
  static HWND HostWindow();
  bool Showing() const { return showing_; }

 private:
  bool showing_ = false;
};

}  // namespace zentavo
