#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/win/Control.h"

namespace zentavo {

// A tree of texts (superclassed "SysTreeView32"). Items are known by the index AddItem
// returns; they are kept here until the window exists. The user's choice runs OnChange.
class TCustomTreeView : public TWinControl {
  ZENTAVO_CLASS(TCustomTreeView, TWinControl)
 public:
  explicit TCustomTreeView(TComponent* owner);
  // Read when the window is made.
  bool ShowLines = true;
  bool ShowRoot = true;
  bool ShowButtons = true;

  // Adds an item under `parent` (-1 for a top-level item) and returns its index.
  int AddItem(int parent, const std::string& text);
  void ClearItems();
  int ItemCount() const { return static_cast<int>(items_.size()); }
  const std::string& ItemText(int index) const { return items_.at(index).text; }
  int ItemParent(int index) const { return items_.at(index).parent; }
  // The chosen item, or -1.
  int Selected();
  void SetSelected(int index);
  void Expand(int index);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  struct Item {
    int parent;
    std::string text;
    HTREEITEM native;
    bool expanded;
  };
  void InsertNativeItem(int index);
  std::vector<Item> items_;
  int selected_ = -1;
};

class TTreeView : public TCustomTreeView {
  ZENTAVO_CLASS(TTreeView, TCustomTreeView)
 public:
  using TCustomTreeView::TCustomTreeView;
};

}  // namespace zentavo
