#pragma once
#include <array>
#include <functional>
#include <string>

#include "charting/win/Chart.h"
#include "core/DateTime.h"
#include "framework/win/Action.h"
#include "framework/win/DateTimePicker.h"
#include "framework/win/Form.h"
#include "framework/win/Menu.h"
#include "framework/win/StdCtrls.h"
#include "report/DayTable.h"

namespace zentavo {

class LanguageFile;
class LedgerStore;

// The statistics window: sums one period's entries per day and shows the days as a bar,
// line or pie chart. Modeless, created hidden at start-up; closing it hides it.
class TfrmReport : public TForm {
  ZENTAVO_CLASS(TfrmReport, TForm)
 public:
  // Queries run on `ledger`, the main window's connection.
  TfrmReport(TComponent* owner, LedgerStore& ledger);

  // Applies this window's texts (section frmReport) and keeps the period and view texts.
  void ApplyLanguage(const LanguageFile& texts);

  // Opens the window on a period: the pickers take `start` and `stop`, the window shows,
  // the period box selects `periodIndex` without applying it, and Query is pressed.
  void OpenOnPeriod(TDateTime start, TDateTime stop, int periodIndex);

  // Sets the pickers to a preset of this window's table (index 0 leaves them).
  void ApplyPeriodPreset(int index);
  // Fills the day table from the ledger and the series from the table.
  void QueryPeriod(TDateTime start, TDateTime stop);
  // Gives every series one point per day of the table, valued by the content index.
  void FillSeries(int content);

  std::array<std::string, 8> PeriodTexts;
  std::array<std::string, 3> ViewTexts;
  const DayTable& Days() const { return days_; }

  // The current time; tests fix it.
  std::function<TDateTime()> Now;

  TGroupBox& groupBoxTime;
  TLabel& labelTimeStart;
  TDateTimePicker& datePickerStart;
  TLabel& labelTimeStop;
  TDateTimePicker& datePickerStop;
  TComboBox& comboBoxTime;
  TButton& buttonQuery;
  TLabel& labelDataType;
  TComboBox& comboBoxDataType;
  TLabel& labelView;
  TComboBox& ComboBoxView;
  TChart& Chart;
  TPopupMenu& popMenuReportView;
  TMenuItem &popMenuReporView1, &popMenuReporView2, &popMenuReporView3;
  TAction &actionReportViewBar, &actionReportViewLine, &actionReportViewPie;

 protected:
  void FormShow();
  void comboBoxTimeChange();
  void datePickerStartChange();
  void datePickerStopChange();
  void buttonQueryClick();

 private:
  void BuildControls();
  void BuildPopupMenu();

  LedgerStore& ledger_;
  DayTable days_;
};

}  // namespace zentavo
