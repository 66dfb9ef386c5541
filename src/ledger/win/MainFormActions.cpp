// The main window's handlers: start sequence, idle work, period, query, totals, delete
// and change.
#include <chrono>

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

namespace {
constexpr UINT_PTR kIdleTimer = 1;
constexpr std::chrono::microseconds kWarmingSlice{4000};
constexpr std::chrono::milliseconds kIdleTickLength{25};
}  // namespace

void TfrmMain::FormCreate() {
  if (startupReport_) startupReport_->Note("ledger_opening");
  ledger_.ConnectLedger(LedgerPath());
  if (startupReport_) startupReport_->Note("ledger_opened");
}

void TfrmMain::FormClose(TCloseAction&) {
  StopIdleWork();
  warmer_.reset();
  ledger_.DisconnectLedger();
}

void TfrmMain::FormShow() {
  // The start sequence runs once: later showings (restoring from the notification area)
  // keep the period and list the user has.
  if (started_) return;
  started_ = true;
  if (startupReport_) startupReport_->Note("start_sequence");
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
  if (startupReport_) startupReport_->Note("first_query_listed");
  startListed_ = true;
  StartIdleWork();
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
  if (message.Msg == WM_TIMER && message.WParam == kIdleTimer) {
    IdleTick();
    return;
  }
  if (message.Msg == WM_PAINT && startupReport_ && startListed_) startupReport_->Note("paint_begins");
  TForm::WndProc(message);
  // Paints during the start sequence (a skin being applied) come before the list.
  if (message.Msg == WM_PAINT && startupReport_ && startListed_) FinishStartupReport();
  // Minimized, the program lives in the notification area only: off the taskbar.
  if (message.Msg == WM_SIZE && message.WParam == SIZE_MINIMIZED) ShowWindow(Handle(), SW_HIDE);
}

// Windows hands out a timer message only when no sent, posted or input message and no
// paint is waiting, so the first tick comes after the start sequence's list has painted
// and every later one when the user leaves the program idle.
void TfrmMain::StartIdleWork() {
  if (idleTimer_ || !HandleAllocated()) return;
  if (!WarmLedgerWhenIdle && !startupReport_) return;
  idleTimer_ = ::SetTimer(Handle(), kIdleTimer, USER_TIMER_MINIMUM, nullptr) != 0;
}

void TfrmMain::StopIdleWork() {
  if (idleTimer_ && HandleAllocated()) ::KillTimer(Handle(), kIdleTimer);
  idleTimer_ = false;
}

// Slices of warming run back to back while nothing else waits, a few milliseconds each,
// so input that arrives meanwhile waits for one slice at most. The tick ends after a
// while and sets the timer anew, so that the next one is a timer period away: a loop
// that handles the waiting messages and returns (a fade, a test) is not held until the
// warming is over, and other timers get their turn.
void TfrmMain::IdleTick() {
  if (startupReport_) {
    FinishStartupReport();
    return;
  }
  if (!warmer_) warmer_.emplace(ledger_);
  const auto start = std::chrono::steady_clock::now();
  while (warmer_->Step(kWarmingSlice)) {
    const bool waiting =
        HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY)) != 0;
    if (waiting || std::chrono::steady_clock::now() - start >= kIdleTickLength) {
      ::SetTimer(Handle(), kIdleTimer, USER_TIMER_MINIMUM, nullptr);
      return;
    }
  }
  StopIdleWork();
}

// The start-up benchmark's figures: taken once the start sequence's list has painted (the
// children are painted right away, so the list is on screen when the time is taken), then
// the program ends, as its benchmark asks.
void TfrmMain::FinishStartupReport() {
  StopIdleWork();
  std::optional<StartupReport> report = std::move(startupReport_);
  startupReport_.reset();
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  ::GdiFlush();
  try {
    report->WriteAtFirstPaint(listViewInfo.RowCount());
  } catch (...) {
    Application().HandleException(std::current_exception());
  }
  ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
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
