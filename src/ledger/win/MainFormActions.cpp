// The main window's handlers: start sequence, period, query, totals, delete and change.
#include "app/win/AutoRun.h"
#include "app/win/CommonForm.h"
#include "core/Error.h"
#include "core/Format.h"
#include "core/Period.h"
#include "core/Text.h"
#include "framework/win/Application.h"
#include "ledger/win/MainForm.h"
#include "localization/LanguageFile.h"

namespace zentavo {

void TfrmMain::FormCreate() { ledger_.ConnectLedger(LedgerPath()); }

void TfrmMain::FormClose(TCloseAction&) { ledger_.DisconnectLedger(); }

void TfrmMain::FormShow() {
  // The start sequence runs once: later showings (restoring from the notification area)
  // keep the period and list the user has.
  if (started_) return;
  started_ = true;
  // A skin package that cannot be read is reported and the start goes on: the texts, the
  // period and the list do not depend on the skin.
  try {
    common_.ApplySkin(common_.ReadSkinIndex());
  } catch (...) {
    Application().HandleException(std::current_exception());
  }
  LoadLanguage(common_.Settings().LanguageFile, common_.Settings().LanguageCodePage);
  comboBoxTime.ClearItems();
  for (const std::string& text : periodTexts_) comboBoxTime.AddItem(text);
  comboBoxTime.SetItemIndex(3);
  SetPeriodPreset(3);
  actionQuery.Execute();
  trayMenu3.SetChecked(IsAutoRun());
}

void TfrmMain::trayMenu3Click() {
  // The tick flips on every click; the new state comes from the registry, not the tick.
  trayMenu3.SetChecked(!trayMenu3.Checked());
  SetAutoRun(!IsAutoRun());
}

void TfrmMain::RestoreFromTray() {
  ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(Handle());
}

void TfrmMain::WndProc(TMessage& message) {
  TForm::WndProc(message);
  // Minimized, the program lives in the notification area only: off the taskbar.
  if (message.Msg == WM_SIZE && message.WParam == SIZE_MINIMIZED) ShowWindow(Handle(), SW_HIDE);
}

void TfrmMain::LoadLanguage(const std::string& path, unsigned codePage) {
  const LanguageFile texts = LanguageFile::Load(path, codePage);
  ApplyLanguage(texts);
  if (OnLanguageLoaded) OnLanguageLoaded(texts);
}

void TfrmMain::ApplyLanguage(const LanguageFile& texts) {
  auto text = [&](const std::string& key) { return texts.Text("frmMain", key); };
  SetCaption(text("caption"));
  Application().SetTitle(Caption());
  for (TMenuItem* item : {&N1, &N1_1, &N1_2, &N1_3, &N1_4, &N1_5, &N1_6, &N2, &N2_1, &N_Skin, &N_Tools,
                          &N_OtherProducts, &N_Help, &N_LocalHelp, &N_HomePage, &N_Support, &N_FeedBack,
                          &N_Update})
    item->SetCaption(text(item->Name()));
  for (TMenuItem* item : N_Skins) item->SetCaption(text(item->Name()));
  for (TMenuItem* item : N_Products) item->SetCaption(text(item->Name()));
  popMenu1.SetCaption(text("popN1"));
  popMenu2.SetCaption(text("popN2"));
  popMenu3.SetCaption(text("popN3"));
  popMenu4.SetCaption(text("popN4"));
  trayMenu1.SetCaption(text("trayMenu1"));
  trayMenu2.SetCaption(text("trayMenu2"));
  trayMenu3.SetCaption(text("trayMenu3"));
  for (int i = 0; i < EntryList::kColumnCount; ++i)
    listViewInfo.SetColumnCaption(i, text("ListViewItem" + std::to_string(i)));
  groupBoxTime.SetCaption(text("groupBoxTime"));
  groupBoxTotal.SetCaption(text("groupBoxTotal"));
  labelTimeStart.SetCaption(text("labelTimeStart"));
  labelTimeStop.SetCaption(text("labelTimeStop"));
  for (size_t i = 0; i < periodTexts_.size(); ++i) periodTexts_[i] = text("comboBoxTimeItem" + std::to_string(i));
  buttonQuery.SetCaption(text("buttonQuery"));
  entries_.SetFlowTexts(text("msgFlowIncome"), text("msgFlowOutgo"));
  msgDelete_ = text("msgDelete");
}

void TfrmMain::SetPeriodPreset(int index) {
  Period period = MainPeriodPreset(index, Now());
  datePickerStart.SetDateTime(period.start);
  datePickerStop.SetDateTime(period.stop);
}

void TfrmMain::comboBoxTimeChange() {
  SetPeriodPreset(comboBoxTime.ItemIndex());
  actionQuery.Execute();
}

void TfrmMain::datePickerStartChange() { comboBoxTime.SetItemIndex(0); }

void TfrmMain::datePickerStopChange() { comboBoxTime.SetItemIndex(0); }

void TfrmMain::actionQueryExecute() {
  QueryEntries();
  UpdateTotals();
  listViewInfo.Invalidate();
}

void TfrmMain::QueryEntries() {
  // Whatever the listing reached stays listed when it fails part way.
  struct ShowRows {
    TfrmMain& form;
    ~ShowRows() {
      form.entries_.Sort();
      form.listViewInfo.SetRowCount(form.entries_.Count());
      form.listViewInfo.EndUpdate();
    }
  };
  listViewInfo.BeginUpdate();
  entries_.Clear();
  ShowRows show{*this};
  ledger_.LoadEntries(PeriodQuery(Period{datePickerStart.DateTime(), datePickerStop.DateTime()}),
                      [this](const LedgerEntry& entry) { entries_.Append(entry); });
}

void TfrmMain::UpdateTotals() { labelTotal.SetCaption(TotalsLine(entries_.Totals())); }

void TfrmMain::DeleteSelectedEntries() {
  std::vector<int> rows = listViewInfo.SelectedRows();
  if (rows.empty()) return;
  std::string question = Format(msgDelete_, {static_cast<long long>(rows.size())});
  if (Application().ShowMessageBox(Handle(), question, "", MB_YESNO) != IDYES) return;
  for (int row : rows) ledger_.ExecuteLedgerCommand(DeleteEntryStatement(EntryKeyFromText(entries_.CellText(row, 0))));
  actionQuery.Execute();
}

void TfrmMain::ModifySelectedEntry() {
  std::vector<int> rows = listViewInfo.SelectedRows();
  if (rows.empty()) return;
  const int row = rows.front();
  EntryEditRequest request;
  request.key = EntryKeyFromText(entries_.CellText(row, 0));
  std::vector<std::string> parts = SplitText(entries_.CellText(row, 1), " ");
  if (parts.size() < 2) throw Error("List index out of bounds (1)");
  request.date = StrToDate(parts[0]);
  request.timeOfDay = StrToTime(parts[1]);
  request.category = entries_.CellText(row, 3);
  request.amount = entries_.CellText(row, 4);
  request.note = entries_.CellText(row, 5);
  const std::string flowText = entries_.CellText(row, 2);
  if (flowText == entries_.IncomeText()) {
    request.income = true;
    if (OnModifyEntry) OnModifyEntry(request);
  }
  if (flowText == entries_.OutgoText()) {
    request.income = false;
    if (OnModifyEntry) OnModifyEntry(request);
  }
}

}  // namespace zentavo
