#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/win/Control.h"

namespace zentavo {

struct TListColumn {
  std::string caption;
  int width;
};

// The kind of every list view control; the skin engine wraps all of them alike.
class TCustomListView : public TWinControl {
  ZENTAVO_CLASS(TCustomListView, TWinControl)
 public:
  using TWinControl::TWinControl;
};

// A report-view list (superclassed "SysListView32") in owner-data mode: the list holds no
// rows itself, it asks OnData for the text of each cell it shows. So a million rows cost
// nothing until they are drawn, and refilling is setting a new row count.
class TListView : public TCustomListView {
  ZENTAVO_CLASS(TListView, TCustomListView)
 public:
  explicit TListView(TComponent* owner);
  bool GridLines = true;
  bool RowSelect = true;
  bool MultiSelect = true;

  void AddColumn(const std::string& caption, int width);
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const TListColumn& Column(int index) const { return columns_.at(index); }
  void SetColumnCaption(int index, const std::string& caption);

  // The text of one cell; must be valid for every row below RowCount.
  std::function<std::string(int row, int column)> OnData;
  int RowCount() const { return rowCount_; }
  // Sets the number of rows and clears the selection.
  void SetRowCount(int count);
  std::string CellText(int row, int column) const;

  // Selected rows in list order.
  std::vector<int> SelectedRows();
  int SelCount();
  void SetSelected(int row, bool selected);
  void ClearSelection();

  // Painting is suspended between BeginUpdate and the matching EndUpdate.
  void BeginUpdate();
  void EndUpdate();

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  void InsertNativeColumn(int index);
  std::vector<TListColumn> columns_;
  int rowCount_ = 0;
  int updateCount_ = 0;
  std::wstring cellBuffer_;  // the list reads the text after the notification returns
};

}  // namespace zentavo
