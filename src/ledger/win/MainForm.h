#pragma once
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/win/StartupReport.h"
#include "core/DateTime.h"
#include "framework/win/Action.h"
#include "framework/win/DateTimePicker.h"
#include "framework/win/Form.h"
#include "framework/win/ListView.h"
#include "framework/win/Menu.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/TrayIcon.h"
#include "ledger/EntryList.h"
#include "ledger/LedgerStore.h"
#include "ledger/LedgerWarmer.h"

namespace zentavo {

class LanguageFile;
class TfrmCommon;
class TsuiSkinEngine;

// What the main window hands the entry editor for a change: the row's key, date and time
// of day, amount and note, and whether it is an income row.
struct EntryEditRequest {
  std::int64_t key = 0;
  TDateTime date = 0;
  TDateTime timeOfDay = 0;
  std::string category;
  std::string amount;
  std::string note;
  bool income = false;
};

// The program's main window: owns the ledger connection, lists one period's entries with
// their totals, and starts every action of the program.
class TfrmMain : public TForm {
  ZENTAVO_CLASS(TfrmMain, TForm)
 public:
  TfrmMain(TComponent* owner, TfrmCommon& common);
  ~TfrmMain() override;

  // The ledger connection; the entry editor and the statistics window run their
  // statements on it.
  LedgerStore& Ledger() { return ledger_; }
  const EntryList& Entries() const { return entries_; }

  // Reads the language file once and applies its texts to every window: this one's
  // (section frmMain) here, the others' through OnLanguageLoaded.
  void LoadLanguage(const std::string& path, unsigned codePage);
  // Applies this window's texts (section frmMain) and keeps the stored ones.
  void ApplyLanguage(const LanguageFile& texts);
  const std::string& msgDelete() const { return msgDelete_; }

  // Period presets: sets both pickers to the preset's full start and stop.
  void SetPeriodPreset(int index);
  void QueryEntries();
  void UpdateTotals();
  void DeleteSelectedEntries();
  void ModifySelectedEntry();
  // Brings the program back from the notification area: restored, on the taskbar again
  // and in front.
  void RestoreFromTray();
  void trayMenu3Click();

  // Hooks to the other windows, set when they exist: the editor for adding (income when
  // true) and changing, the statistics window, and the language loader of all windows.
  std::function<void(bool income)> OnAddEntry;
  std::function<void(const EntryEditRequest&)> OnModifyEntry;
  std::function<void()> OnShowStatistics;
  // Hands the language file read at start-up to the other windows.
  std::function<void(const LanguageFile&)> OnLanguageLoaded;
  // The current time; tests fix it.
  std::function<TDateTime()> Now;
  // Whether the ledger's time index is read into memory in idle time after the first
  // paint, so that the first query over a long period is as quick as the next ones.
  // Benchmarks turn it off to compare.
  bool WarmLedgerWhenIdle = true;
  // True from the start sequence until the warming has ended.
  bool WarmingLedger() const { return idleTimer_ && (!warmer_ || !warmer_->Finished()); }

  // Components, named as the language file and the skin engine know them.
  TMainMenu& MainMenu1;
  TMenuItem &N1, &N1_1, &N1_2, &N1_3, &N1_4, &N1_5, &N1_6;
  TMenuItem& N_Skin;
  std::array<TMenuItem*, 18> N_Skins{};
  TMenuItem &N2, &N2_1;
  TMenuItem &N_Tools, &N_OtherProducts;
  std::array<TMenuItem*, 7> N_Products{};
  TMenuItem &N_Help, &N_LocalHelp, &N_HomePage, &N_Support, &N_FeedBack, &N_Update;
  TPopupMenu& popMenuListView;
  TMenuItem &popMenu1, &popMenu2, &popMenu3, &popMenu4;
  TAction &actionIncomeAdd, &actionOutGoAdd, &actionModify, &actionDelete, &actionExit, &actionQuery,
      &actionDisplayMainForm;
  TTrayIcon& trayIcon;
  TPopupMenu& trayMenu;
  TMenuItem &trayMenu1, &trayMenu3, &trayMenu2;
  TGroupBox& groupBoxTime;
  TLabel& labelTimeStart;
  TDateTimePicker& datePickerStart;
  TLabel& labelTimeStop;
  TDateTimePicker& datePickerStop;
  TComboBox& comboBoxTime;
  TButton& buttonQuery;
  TListView& listViewInfo;
  TGroupBox& groupBoxTotal;
  TLabel& labelTotal;
  // Draws the program's windows from the chosen skin; active, with no skin file until the
  // start sequence applies the remembered one.
  TsuiSkinEngine& suiSkinEngine;

 protected:
  void FormCreate();
  void FormShow();
  void FormClose(TCloseAction& action);
  void comboBoxTimeChange();
  void datePickerStartChange();
  void datePickerStopChange();
  void actionQueryExecute();
  void WndProc(TMessage& message) override;

 private:
  void BuildMenus();
  void BuildControls();
  void WireActions();
  void BuildTray();
  std::string LedgerPath() const;
  void StartIdleWork();
  void StopIdleWork();
  void IdleTick();
  void FinishStartupReport();

  TfrmCommon& common_;
  LedgerStore ledger_;
  EntryList entries_;
  std::array<std::string, 8> periodTexts_;
  std::string msgDelete_;
  bool started_ = false;
  bool startListed_ = false;
  bool idleTimer_ = false;
  std::optional<LedgerWarmer> warmer_;
  // Set when the start-up benchmark asks for the start's figures.
  std::optional<StartupReport> startupReport_;
  IconHandle bigIcon_;
  IconHandle smallIcon_;
};

}  // namespace zentavo
