#include "framework/win/Grids.h"

#include <windowsx.h>

#include <algorithm>

namespace zentavo {

namespace {
constexpr TColor kGridLineColor = RGBColor(192, 192, 192);
}  // namespace

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
  color_ = clWindow;
  SetBounds(0, 0, 320, 120);
}

void TCustomGrid::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style |= WS_TABSTOP;
  if (ScrollBars == TScrollStyle::ssVertical || ScrollBars == TScrollStyle::ssBoth)
    params.style |= WS_VSCROLL;
  if (ScrollBars == TScrollStyle::ssHorizontal || ScrollBars == TScrollStyle::ssBoth)
    params.style |= WS_HSCROLL;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateHandleDone() {
  UpdateScrollBars();
}

int TCustomGrid::ColWidth(int col) const {
  return col >= 0 && col < static_cast<int>(colWidths_.size()) && colWidths_[col] >= 0 ? colWidths_[col]
                                                                                       : defaultColWidth_;
}

void TCustomGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= colCount_) return;
  if (static_cast<int>(colWidths_.size()) <= col) colWidths_.resize(col + 1, -1);
  colWidths_[col] = std::max(0, width);
  Changed();
}

// Every change of the grid's shape keeps the chosen cell and the first scrolling row and
// column inside the grid.
void TCustomGrid::Changed() {
  fixedCols_ = std::clamp(fixedCols_, 0, std::max(0, colCount_ - 1));
  fixedRows_ = std::clamp(fixedRows_, 0, std::max(0, rowCount_ - 1));
  col_ = std::clamp(col_, fixedCols_, std::max(fixedCols_, colCount_ - 1));
  row_ = std::clamp(row_, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
  leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, colCount_ - FullyVisibleCols()));
  topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, rowCount_ - FullyVisibleRows()));
  UpdateScrollBars();
  Invalidate();
}

void TCustomGrid::SetColCount(int count) {
  colCount_ = std::max(1, count);
  Changed();
}

void TCustomGrid::SetRowCount(int count) {
  rowCount_ = std::max(1, count);
  Changed();
}

void TCustomGrid::SetFixedCols(int count) {
  fixedCols_ = count;
  Changed();
}

void TCustomGrid::SetFixedRows(int count) {
  fixedRows_ = count;
  Changed();
}

void TCustomGrid::SetDefaultColWidth(int width) {
  defaultColWidth_ = std::max(1, width);
  Changed();
}

void TCustomGrid::SetDefaultRowHeight(int height) {
  defaultRowHeight_ = std::max(1, height);
  Changed();
}

void TCustomGrid::SetGridLineWidth(int width) {
  gridLineWidth_ = std::max(0, width);
  Changed();
}

void TCustomGrid::SetFixedColor(TColor color) {
  fixedColor_ = color;
  Invalidate();
}

// The client area without the scroll bars, once the window exists.
static RECT GridClient(const TCustomGrid& grid) {
  RECT client = grid.ClientRect();
  if (grid.HandleAllocated()) GetClientRect(const_cast<TCustomGrid&>(grid).Handle(), &client);
  return client;
}

int TCustomGrid::FullyVisibleRows() const {
  const int step = RowHeight() + gridLineWidth_;
  const int room = GridClient(*this).bottom - fixedRows_ * step;
  return std::max(1, room / step);
}

int TCustomGrid::FullyVisibleCols() const {
  int room = GridClient(*this).right;
  for (int c = 0; c < fixedCols_; ++c) room -= ColWidth(c) + gridLineWidth_;
  int count = 0;
  for (int c = leftCol_; c < colCount_ && room >= ColWidth(c) + gridLineWidth_; ++c, ++count)
    room -= ColWidth(c) + gridLineWidth_;
  return std::max(1, count);
}

std::vector<int> TCustomGrid::VisibleCols() const {
  std::vector<int> cols;
  const int width = GridClient(*this).right;
  int x = 0;
  for (int c = 0; c < colCount_ && x < width; ++c) {
    if (c >= fixedCols_ && c < leftCol_) continue;
    cols.push_back(c);
    x += ColWidth(c) + gridLineWidth_;
  }
  return cols;
}

std::vector<int> TCustomGrid::VisibleRows() const {
  std::vector<int> rows;
  const int height = GridClient(*this).bottom;
  int y = 0;
  for (int r = 0; r < rowCount_ && y < height; ++r) {
    if (r >= fixedRows_ && r < topRow_) continue;
    rows.push_back(r);
    y += RowHeight() + gridLineWidth_;
  }
  return rows;
}

RECT TCustomGrid::CellRect(int col, int row) const {
  int x = 0, y = 0;
  bool colShown = false, rowShown = false;
  for (int c : VisibleCols()) {
    if (c == col) {
      colShown = true;
      break;
    }
    x += ColWidth(c) + gridLineWidth_;
  }
  for (int r : VisibleRows()) {
    if (r == row) {
      rowShown = true;
      break;
    }
    y += RowHeight() + gridLineWidth_;
  }
  if (!colShown || !rowShown) return RECT{};
  return RECT{x, y, x + ColWidth(col), y + RowHeight()};
}

bool TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
  col = row = -1;
  int left = 0;
  for (int c : VisibleCols()) {
    const int right = left + ColWidth(c) + gridLineWidth_;
    if (x >= left && x < right) col = c;
    left = right;
  }
  int top = 0;
  for (int r : VisibleRows()) {
    const int bottom = top + RowHeight() + gridLineWidth_;
    if (y >= top && y < bottom) row = r;
    top = bottom;
  }
  return col >= 0 && row >= 0;
}

void TCustomGrid::SetCell(int col, int row) {
  col_ = std::clamp(col, fixedCols_, std::max(fixedCols_, colCount_ - 1));
  row_ = std::clamp(row, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
  // Scroll the chosen cell into view.
  if (row_ < topRow_) topRow_ = row_;
  if (row_ >= topRow_ + FullyVisibleRows()) topRow_ = row_ - FullyVisibleRows() + 1;
  if (col_ < leftCol_) leftCol_ = col_;
  while (col_ >= leftCol_ + FullyVisibleCols() && leftCol_ < col_) ++leftCol_;
  Changed();
}

void TCustomGrid::SetTopRow(int row) {
  topRow_ = row;
  Changed();
}

void TCustomGrid::SetLeftCol(int col) {
  leftCol_ = col;
  Changed();
}

void TCustomGrid::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS};
  info.nMin = fixedRows_;
  info.nMax = rowCount_ - 1;
  info.nPage = static_cast<UINT>(FullyVisibleRows());
  info.nPos = topRow_;
  SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
  info.nMin = fixedCols_;
  info.nMax = colCount_ - 1;
  info.nPage = static_cast<UINT>(FullyVisibleCols());
  info.nPos = leftCol_;
  SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
}

void TCustomGrid::Scroll(int bar, WORD code) {
  int& first = bar == SB_VERT ? topRow_ : leftCol_;
  const int page = bar == SB_VERT ? FullyVisibleRows() : FullyVisibleCols();
  switch (code) {
    case SB_LINEUP:
      --first;
      break;
    case SB_LINEDOWN:
      ++first;
      break;
    case SB_PAGEUP:
      first -= page;
      break;
    case SB_PAGEDOWN:
      first += page;
      break;
    case SB_TOP:
      first = 0;
      break;
    case SB_BOTTOM:
      first = bar == SB_VERT ? rowCount_ : colCount_;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS};
      GetScrollInfo(Handle(), bar, &info);
      first = info.nTrackPos;
      break;
    }
    default:
      return;
  }
  Changed();
}

void TCustomGrid::Paint(TCanvas& canvas) {
  const RECT client = GridClient(*this);
  int y = 0;
  for (int row : VisibleRows()) {
    int x = 0;
    for (int col : VisibleCols()) {
      RECT cell{x, y, x + ColWidth(col), y + RowHeight()};
      const bool fixed = col < fixedCols_ || row < fixedRows_;
      const bool chosen = !fixed && col == col_ && row == row_;
      canvas.SetBrushColor(fixed ? fixedColor_ : chosen ? clHighlight : EffectiveColor());
      canvas.FillRect(cell);
      if (fixed) DrawEdge(canvas.Handle(), &cell, BDR_RAISEDINNER, BF_RECT);
      canvas.SetBrushColor(kGridLineColor);
      canvas.FillRect(RECT{cell.right, y, cell.right + gridLineWidth_, cell.bottom + gridLineWidth_});
      canvas.FillRect(RECT{x, cell.bottom, cell.right, cell.bottom + gridLineWidth_});
      canvas.SetTextColor(chosen ? clHighlightText : Font.Color);
      canvas.SetTransparentText(true);
      DrawCell(canvas, col, row, cell);
      x = cell.right + gridLineWidth_;
      if (x >= client.right) break;
    }
    y += RowHeight() + gridLineWidth_;
    if (y >= client.bottom) break;
  }
}

void TCustomGrid::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL:
      Scroll(message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(message.WParam));
      message.Result = 0;
      return;
    case WM_MOUSEWHEEL:
      Scroll(SB_VERT, GET_WHEEL_DELTA_WPARAM(message.WParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
      message.Result = 0;
      return;
    case WM_SIZE:
      TCustomControl::WndProc(message);
      Changed();
      return;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_KEYDOWN:
      switch (message.WParam) {
        case VK_UP:
          SetCell(col_, row_ - 1);
          return;
        case VK_DOWN:
          SetCell(col_, row_ + 1);
          return;
        case VK_LEFT:
          SetCell(col_ - 1, row_);
          return;
        case VK_RIGHT:
          SetCell(col_ + 1, row_);
          return;
        default:
          break;
      }
      break;
    case WM_LBUTTONDOWN: {
      ::SetFocus(Handle());
      int col, row;
      if (MouseToCell(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam), col, row) &&
          col >= fixedCols_ && row >= fixedRows_) {
        SetCell(col, row);
        if (OnClick) OnClick(this);
      }
      break;
    }
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

// ---- TStringGrid ----------------------------------------------------------------------

std::string TStringGrid::Cell(int col, int row) const {
  if (row < 0 || row >= static_cast<int>(cells_.size())) return {};
  const auto& line = cells_[row];
  return col >= 0 && col < static_cast<int>(line.size()) ? line[col] : std::string();
}

void TStringGrid::SetCellText(int col, int row, const std::string& text) {
  if (col < 0 || row < 0) return;
  if (static_cast<int>(cells_.size()) <= row) cells_.resize(row + 1);
  if (static_cast<int>(cells_[row].size()) <= col) cells_[row].resize(col + 1);
  cells_[row][col] = text;
  if (RECT rect = CellRect(col, row); HandleAllocated() && !IsRectEmpty(&rect))
    InvalidateRect(Handle(), &rect, TRUE);
}

void TStringGrid::DrawCell(TCanvas& canvas, int col, int row, const RECT& rect) {
  const std::string text = Cell(col, row);
  if (text.empty()) return;
  RECT inner{rect.left + 2, rect.top, rect.right - 2, rect.bottom};
  canvas.DrawText(text, inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace zentavo
