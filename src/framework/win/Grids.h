#pragma once
#include <string>
#include <vector>

#include "framework/win/CustomControl.h"
#include "framework/win/StdCtrls.h"

namespace zentavo {

// A table of cells drawn by itself: fixed rows at the top and fixed columns at the left
// stay in place in FixedColor, the other cells scroll under them with the scroll bars. One
// cell is chosen (Col, Row); clicking a scrolling cell chooses it and runs OnClick.
class TCustomGrid : public TCustomControl {
  ZENTAVO_CLASS(TCustomGrid, TCustomControl)
 public:
  explicit TCustomGrid(TComponent* owner);

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  void SetColCount(int count);
  void SetRowCount(int count);
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  void SetFixedCols(int count);
  void SetFixedRows(int count);
  int DefaultColWidth() const { return defaultColWidth_; }
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultColWidth(int width);
  void SetDefaultRowHeight(int height);
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int width);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor color);
  // Read when the window is made.
  TScrollStyle ScrollBars = TScrollStyle::ssBoth;

  int Col() const { return col_; }
  int Row() const { return row_; }
  void SetCell(int col, int row);
  // The first scrolling column and row shown.
  int LeftCol() const { return leftCol_; }
  int TopRow() const { return topRow_; }
  void SetTopRow(int row);
  void SetLeftCol(int col);

  // A cell's rectangle in client coordinates, without its grid lines; empty when the cell
  // is scrolled out of view.
  RECT CellRect(int col, int row) const;
  // The cell under a client point; false when the point is on no cell.
  bool MouseToCell(int x, int y, int& col, int& row) const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Paint(TCanvas& canvas) override;
  void WndProc(TMessage& message) override;
  // Draws the contents of one cell over its background.
  virtual void DrawCell(TCanvas&, int /*col*/, int /*row*/, const RECT& /*rect*/) {}
  // Columns and rows in view, fixed ones first.
  std::vector<int> VisibleCols() const;
  std::vector<int> VisibleRows() const;

 private:
  int RowHeight() const { return defaultRowHeight_; }
  int FullyVisibleRows() const;
  int FullyVisibleCols() const;
  void UpdateScrollBars();
  void Scroll(int bar, WORD code);
  void Changed();
  int colCount_ = 5, rowCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
  int defaultColWidth_ = 64, defaultRowHeight_ = 24, gridLineWidth_ = 1;
  std::vector<int> colWidths_;
  TColor fixedColor_ = clBtnFace;
  int col_ = 1, row_ = 1, leftCol_ = 1, topRow_ = 1;
};

// A grid whose cells hold texts.
class TStringGrid : public TCustomGrid {
  ZENTAVO_CLASS(TStringGrid, TCustomGrid)
 public:
  using TCustomGrid::TCustomGrid;
  std::string Cell(int col, int row) const;
  void SetCellText(int col, int row, const std::string& text);

 protected:
  void DrawCell(TCanvas& canvas, int col, int row, const RECT& rect) override;

 private:
  std::vector<std::vector<std::string>> cells_;  // [row][col], grown on demand
};

}  // namespace zentavo
