#include "framework/win/TreeView.h"

#include "framework/win/WideText.h"

namespace zentavo {

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
  SetBounds(0, 0, 121, 97);
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = WC_TREEVIEWW;
  params.style |= WS_TABSTOP | TVS_SHOWSELALWAYS | (ShowLines ? TVS_HASLINES : 0) |
                  (ShowRoot ? TVS_LINESATROOT : 0) | (ShowButtons ? TVS_HASBUTTONS : 0);
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateHandleDone() {
  for (int i = 0; i < ItemCount(); ++i) InsertNativeItem(i);
  for (int i = 0; i < ItemCount(); ++i)
    if (items_[i].expanded)
      SendMessageW(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(items_[i].native));
  if (selected_ >= 0)
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items_[selected_].native));
}

// An item's parent always comes before it, so parents are in the window first.
void TCustomTreeView::InsertNativeItem(int index) {
  Item& item = items_[index];
  std::wstring text = Widen(item.text);
  TVINSERTSTRUCTW insert{};
  insert.hParent = item.parent >= 0 ? items_[item.parent].native : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = text.data();
  insert.item.lParam = index;
  item.native = reinterpret_cast<HTREEITEM>(
      SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

int TCustomTreeView::AddItem(int parent, const std::string& text) {
  if (parent >= ItemCount()) parent = -1;
  items_.push_back({parent, text, nullptr, false});
  if (HandleAllocated()) InsertNativeItem(ItemCount() - 1);
  return ItemCount() - 1;
}

void TCustomTreeView::ClearItems() {
  items_.clear();
  selected_ = -1;
  if (HandleAllocated()) SendMessageW(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

int TCustomTreeView::Selected() {
  if (!HandleAllocated()) return selected_;
  auto chosen = reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
  selected_ = -1;
  for (int i = 0; i < ItemCount(); ++i)
    if (items_[i].native == chosen) selected_ = i;
  return selected_;
}

void TCustomTreeView::SetSelected(int index) {
  selected_ = index >= 0 && index < ItemCount() ? index : -1;
  if (HandleAllocated())
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(selected_ >= 0 ? items_[selected_].native : nullptr));
}

void TCustomTreeView::Expand(int index) {
  items_.at(index).expanded = true;
  if (HandleAllocated())
    SendMessageW(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(items_[index].native));
}

void TCustomTreeView::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_NOTIFY) {
    const UINT code = reinterpret_cast<NMHDR*>(message.LParam)->code;
    message.Result = 0;
    // A selection made from code runs nothing: only the user's actions count.
    if (code == TVN_SELCHANGEDW || code == TVN_SELCHANGEDA) {
      const auto& change = *reinterpret_cast<NMTREEVIEWW*>(message.LParam);
      Selected();
      if (change.action != TVC_UNKNOWN && OnChange) OnChange(this);
    }
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace zentavo
