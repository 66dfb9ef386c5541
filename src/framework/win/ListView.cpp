#include "framework/win/ListView.h"

#include <commctrl.h>

#include "framework/win/WideText.h"

namespace zentavo {

TListView::TListView(TComponent* owner) : TCustomListView(owner) {
  color_ = clWindow;
  SetBounds(0, 0, 250, 150);
}

void TListView::CreateParams(TCreateParams& params) {
  TCustomListView::CreateParams(params);
  params.baseClassName = WC_LISTVIEWW;
  params.style |= WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | (MultiSelect ? 0 : LVS_SINGLESEL);
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateHandleDone() {
  DWORD extended = (GridLines ? LVS_EX_GRIDLINES : 0) | (RowSelect ? LVS_EX_FULLROWSELECT : 0);
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  for (int i = 0; i < ColumnCount(); ++i) InsertNativeColumn(i);
  SendMessageW(Handle(), LVM_SETITEMCOUNT, rowCount_, 0);
}

void TListView::InsertNativeColumn(int index) {
  std::wstring text = Widen(columns_[index].caption);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = text.data();
  column.cx = columns_[index].width;
  column.iSubItem = index;
  SendMessageW(Handle(), LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void TListView::AddColumn(const std::string& caption, int width) {
  columns_.push_back({caption, width});
  if (HandleAllocated()) InsertNativeColumn(ColumnCount() - 1);
}

void TListView::SetColumnCaption(int index, const std::string& caption) {
  columns_.at(index).caption = caption;
  if (!HandleAllocated()) return;
  std::wstring text = Widen(caption);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = text.data();
  SendMessageW(Handle(), LVM_SETCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void TListView::SetRowCount(int count) {
  rowCount_ = count;
  if (!HandleAllocated()) return;
  ClearSelection();
  SendMessageW(Handle(), LVM_SETITEMCOUNT, count, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

std::string TListView::CellText(int row, int column) const {
  if (!OnData || row < 0 || row >= rowCount_) return {};
  return OnData(row, column);
}

std::vector<int> TListView::SelectedRows() {
  std::vector<int> rows;
  if (!HandleAllocated()) return rows;
  int row = -1;
  while ((row = static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, row, LVNI_SELECTED))) != -1)
    rows.push_back(row);
  return rows;
}

int TListView::SelCount() {
  return HandleAllocated() ? static_cast<int>(SendMessageW(Handle(), LVM_GETSELECTEDCOUNT, 0, 0)) : 0;
}

void TListView::SetSelected(int row, bool selected) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  SendMessageW(Handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void TListView::ClearSelection() {
  if (HandleAllocated()) SetSelected(-1, false);
}

void TListView::BeginUpdate() {
  if (updateCount_++ == 0 && HandleAllocated()) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate() {
  if (--updateCount_ == 0 && HandleAllocated()) {
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

void TListView::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    switch (header->code) {
      case LVN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(message.LParam);
        if (info->item.mask & LVIF_TEXT) {
          cellBuffer_ = Widen(CellText(info->item.iItem, info->item.iSubItem));
          if (info->item.cchTextMax > 0) {
            size_t length = std::min<size_t>(cellBuffer_.size(), info->item.cchTextMax - 1);
            std::copy_n(cellBuffer_.c_str(), length, info->item.pszText);
            info->item.pszText[length] = L'\0';
          }
        }
        message.Result = 0;
        return;
      }
      case NM_DBLCLK:
        if (OnDblClick) OnDblClick(this);
        message.Result = 0;
        return;
      case NM_CLICK:
        if (OnClick) OnClick(this);
        message.Result = 0;
        return;
      default:
        message.Result = 0;
        return;
    }
  }
  TCustomListView::WndProc(message);
}

}  // namespace zentavo
