#include "report/win/ReportForm.h"

#include "core/Period.h"
#include "framework/win/Application.h"
#include "ledger/LedgerStore.h"
#include "localization/LanguageFile.h"

namespace zentavo {

namespace {
constexpr int kClientWidth = 491;
constexpr int kClientHeight = 369;
// The data-content items are the window's own, the same in every language.
constexpr const char* kDataContentItems[] = {"收入-支出", "收入", "支出"};
}  // namespace

TfrmReport::TfrmReport(TComponent* owner, LedgerStore& ledger)
    : TForm(owner),
      groupBoxTime(MakeNamed<TGroupBox>("groupBoxTime")),
      labelTimeStart(MakeNamed<TLabel>("labelTimeStart")),
      datePickerStart(MakeNamed<TDateTimePicker>("datePickerStart")),
      labelTimeStop(MakeNamed<TLabel>("labelTimeStop")),
      datePickerStop(MakeNamed<TDateTimePicker>("datePickerStop")),
      comboBoxTime(MakeNamed<TComboBox>("comboBoxTime")),
      buttonQuery(MakeNamed<TButton>("buttonQuery")),
      labelDataType(MakeNamed<TLabel>("labelDataType")),
      comboBoxDataType(MakeNamed<TComboBox>("comboBoxDataType")),
      labelView(MakeNamed<TLabel>("labelView")),
      ComboBoxView(MakeNamed<TComboBox>("ComboBoxView")),
      Chart(MakeNamed<TChart>("Chart")),
      popMenuReportView(MakeNamed<TPopupMenu>("popMenuReportView")),
      popMenuReporView1(MakeNamed<TMenuItem>("popMenuReporView1")),
      popMenuReporView2(MakeNamed<TMenuItem>("popMenuReporView2")),
      popMenuReporView3(MakeNamed<TMenuItem>("popMenuReporView3")),
      actionReportViewBar(MakeNamed<TAction>("actionReportViewBar")),
      actionReportViewLine(MakeNamed<TAction>("actionReportViewLine")),
      actionReportViewPie(MakeNamed<TAction>("actionReportViewPie")),
      ledger_(ledger) {
  SetName("frmReport");
  Now = LocalNow;
  BorderStyle = TFormBorderStyle::bsDialog;
  BorderIcons = biSystemMenu;
  BuildControls();
  BuildPopupMenu();
  SetBounds(266, 170, 0, 0);
  SetClientSize(kClientWidth, kClientHeight);
  OnShow = [this](TComponent*) { FormShow(); };
  FormCreated();
}

void TfrmReport::BuildControls() {
  groupBoxTime.SetParent(this);
  groupBoxTime.SetBounds(7, 2, 482, 72);
  labelTimeStart.SetParent(&groupBoxTime);
  labelTimeStart.SetBounds(10, 21, 64, 13);
  datePickerStart.SetParent(&groupBoxTime);
  datePickerStart.SetFormat("yyyy-MM-dd");
  datePickerStart.SetBounds(76, 17, 100, 21);
  labelTimeStop.SetParent(&groupBoxTime);
  labelTimeStop.SetBounds(186, 21, 64, 13);
  datePickerStop.SetParent(&groupBoxTime);
  datePickerStop.SetFormat("yyyy-MM-dd");
  datePickerStop.SetBounds(252, 17, 100, 21);
  buttonQuery.SetParent(&groupBoxTime);
  buttonQuery.SetBounds(372, 16, 75, 24);

  comboBoxTime.SetParent(&groupBoxTime);
  comboBoxTime.Style = TComboBoxStyle::csDropDownList;
  comboBoxTime.SetBounds(10, 44, 92, 21);
  labelDataType.SetParent(&groupBoxTime);
  labelDataType.SetBounds(112, 48, 64, 13);
  comboBoxDataType.SetParent(&groupBoxTime);
  comboBoxDataType.Style = TComboBoxStyle::csDropDown;
  comboBoxDataType.SetBounds(176, 44, 100, 21);
  for (const char* item : kDataContentItems) comboBoxDataType.AddItem(item);
  comboBoxDataType.SetItemIndex(0);
  labelView.SetParent(&groupBoxTime);
  labelView.SetBounds(286, 48, 64, 13);
  ComboBoxView.SetParent(&groupBoxTime);
  ComboBoxView.Style = TComboBoxStyle::csDropDownList;
  ComboBoxView.SetBounds(352, 44, 95, 21);

  Chart.SetParent(this);
  Chart.SetBounds(7, 79, 482, 291);
  Chart.PopupMenu = &popMenuReportView;

  comboBoxTime.OnChange = [this](TComponent*) { comboBoxTimeChange(); };
  datePickerStart.OnChange = [this](TComponent*) { datePickerStartChange(); };
  datePickerStop.OnChange = [this](TComponent*) { datePickerStopChange(); };
  buttonQuery.OnClick = [this](TComponent*) { buttonQueryClick(); };
}

void TfrmReport::BuildPopupMenu() {
  TAction* actions[] = {&actionReportViewBar, &actionReportViewLine, &actionReportViewPie};
  TMenuItem* items[] = {&popMenuReporView1, &popMenuReporView2, &popMenuReporView3};
  const char* captions[] = {"Bar", "Line", "Pie"};
  for (int i = 0; i < 3; ++i) {
    actions[i]->SetCaption(captions[i]);
    // The points stay; only the view changes, and the view box keeps its choice.
    actions[i]->OnExecute = [this, i](TComponent*) { Chart.ShowOnly(i); };
    items[i]->SetAction(actions[i]);
    popMenuReportView.Items().Add(*items[i]);
  }
}

void TfrmReport::ApplyLanguage(const LanguageFile& texts) {
  auto text = [&](const std::string& key) { return texts.Text("frmReport", key); };
  SetCaption(text("caption"));
  groupBoxTime.SetCaption(text("groupBoxTime"));
  labelTimeStart.SetCaption(text("labelTimeStart"));
  labelTimeStop.SetCaption(text("labelTimeStop"));
  for (size_t i = 0; i < PeriodTexts.size(); ++i) PeriodTexts[i] = text("comboBoxTimeItem" + std::to_string(i));
  labelDataType.SetCaption(text("labelDataType"));
  labelView.SetCaption(text("labelView"));
  for (size_t i = 0; i < ViewTexts.size(); ++i) ViewTexts[i] = text("comboBoxViewItem" + std::to_string(i));
  buttonQuery.SetCaption(text("buttonQuery"));
  Chart.Title.push_back(text("ChartCaption"));
  Chart.Invalidate();
}

void TfrmReport::OpenOnPeriod(TDateTime start, TDateTime stop, int periodIndex) {
  datePickerStart.SetDateTime(start);
  datePickerStop.SetDateTime(stop);
  Show();
  comboBoxTime.SetItemIndex(periodIndex);
  buttonQuery.Click();
}

void TfrmReport::FormShow() {
  comboBoxTime.ClearItems();
  for (const std::string& text : PeriodTexts) comboBoxTime.AddItem(text);
  ComboBoxView.ClearItems();
  for (const std::string& text : ViewTexts) ComboBoxView.AddItem(text);
  ComboBoxView.SetItemIndex(0);
  actionReportViewBar.Execute();
}

void TfrmReport::ApplyPeriodPreset(int index) {
  if (const std::optional<Period> period = ReportPeriodPreset(index, Now())) {
    datePickerStart.SetDateTime(period->start);
    datePickerStop.SetDateTime(period->stop);
  }
}

void TfrmReport::comboBoxTimeChange() {
  ApplyPeriodPreset(comboBoxTime.ItemIndex());
  buttonQuery.Click();
}

void TfrmReport::datePickerStartChange() { comboBoxTime.SetItemIndex(0); }

void TfrmReport::datePickerStopChange() { comboBoxTime.SetItemIndex(0); }

void TfrmReport::buttonQueryClick() {
  for (int i = 0; i < TChart::kSeriesCount; ++i) {
    Chart.Series(i).Clear();
    Chart.Series(i).SetActive(false);
  }
  Chart.ShowOnly(ComboBoxView.ItemIndex());
  QueryPeriod(datePickerStart.DateTime(), datePickerStop.DateTime());
}

void TfrmReport::QueryPeriod(TDateTime start, TDateTime stop) {
  QueryDays(ledger_, Period{start, stop}, days_);
  FillSeries(comboBoxDataType.ItemIndex());
}

void TfrmReport::FillSeries(int content) {
  const std::vector<DayPoint> points = DayPoints(days_, content);
  for (int i = 0; i < TChart::kSeriesCount; ++i) {
    for (const DayPoint& point : points) Chart.Series(i).Add(point.value, point.label);
  }
  Chart.Invalidate();
}

}  // namespace zentavo
