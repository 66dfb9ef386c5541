#include "ledger/win/LedgerDataCommands.h"

#include <vector>

#include "core/Error.h"
#include "core/Format.h"
#include "core/Number.h"
#include "framework/win/Application.h"
#include "framework/win/FileDialogs.h"
#include "ledger/AutoBackup.h"
#include "ledger/LedgerBackup.h"
#include "ledger/LedgerCsv.h"
#include "ledger/win/MainForm.h"
#include "ledger/win/RestoreForm.h"
#include "localization/LanguageFile.h"

namespace zentavo {

namespace {

TMenuItem& NamedItem(TfrmMain& main, const char* name, const char* caption) {
  TMenuItem& item = main.Make<TMenuItem>();
  item.SetName(name);
  item.SetCaption(caption);
  main.N_Tools.Add(item);
  return item;
}

// The day a copy was taken, as the list shows it, and what it holds.
std::string BackupLine(const std::string& pattern, const BackupCopy& copy) {
  try {
    const LedgerSummary summary = BackupSummary(copy.path);
    return Format(pattern, {FormatDateTime(copy.when), static_cast<long long>(summary.entries),
                            FormatFixed(summary.income, 2), FormatFixed(summary.outgo, 2)});
  } catch (const Error&) {
    return FormatDateTime(copy.when) + "    ?";  // unreadable: the restore will say why
  }
}

}  // namespace

LedgerDataCommands::LedgerDataCommands(TfrmMain& main, std::string backupFolder, LedgerAutoBackup* autoBackup)
    : N_ToolsLine(NamedItem(main, "N_ToolsLine", "-")),
      N_Restore(NamedItem(main, "N_Restore", "&Restore from backup...")),
      N_ExportCsv(NamedItem(main, "N_ExportCsv", "&Export to CSV...")),
      N_ImportCsv(NamedItem(main, "N_ImportCsv", "&Import from CSV...")),
      main_(main),
      backupFolder_(std::move(backupFolder)),
      autoBackup_(autoBackup) {
  // The menu's own errors reach the standard error display, as every action's do.
  const auto guarded = [](auto action) {
    return [action](TComponent*) {
      try {
        action();
      } catch (...) {
        Application().HandleException(std::current_exception());
      }
    };
  };
  N_Restore.OnClick = guarded([this] { Restore(); });
  N_ExportCsv.OnClick = guarded([this] { ExportCsv(); });
  N_ImportCsv.OnClick = guarded([this] { ImportCsv(); });
}

LedgerDataCommands::~LedgerDataCommands() = default;

void LedgerDataCommands::ApplyLanguage(const LanguageFile& texts) {
  auto text = [&](const char* key) { return texts.Text("frmMain", key); };
  N_Restore.SetCaption(text("N_Restore"));
  N_ExportCsv.SetCaption(text("N_ExportCsv"));
  N_ImportCsv.SetCaption(text("N_ImportCsv"));
  msgNoBackups_ = text("msgNoBackups");
  msgRestoreAsk_ = text("msgRestoreAsk");
  msgRestored_ = text("msgRestored");
  msgBackupLine_ = text("msgBackupLine");
  msgExported_ = text("msgExported");
  msgImported_ = text("msgImported");
  msgCsvFilter_ = text("msgCsvFilter");
  restoreTexts_ = {texts.Text("frmRestore", "caption"), texts.Text("frmRestore", "labelCopies"),
                   texts.Text("frmRestore", "buttonOK"), texts.Text("frmRestore", "buttonCancel")};
  if (restoreDialog_) restoreDialog_->ApplyTexts(restoreTexts_);
}

TfrmRestore& LedgerDataCommands::RestoreDialog() {
  if (!restoreDialog_) {
    restoreDialog_ = &main_.Make<TfrmRestore>();
    if (!restoreTexts_.caption.empty()) restoreDialog_->ApplyTexts(restoreTexts_);
  }
  return *restoreDialog_;
}

void LedgerDataCommands::Inform(const std::string& text) {
  Application().ShowMessageBox(main_.Handle(), text, Application().Title(), MB_OK | MB_ICONINFORMATION);
}

void LedgerDataCommands::Restore() {
  const std::vector<BackupCopy> copies = ListBackups(backupFolder_);
  if (copies.empty()) {
    Inform(msgNoBackups_);
    return;
  }
  std::vector<RestoreChoice> choices;
  for (const BackupCopy& copy : copies) choices.push_back({copy.path, BackupLine(msgBackupLine_, copy)});
  const std::string chosen = RestoreDialog().Choose(choices);
  if (chosen.empty()) return;
  TDateTime when = 0;
  for (const BackupCopy& copy : copies)
    if (copy.path == chosen) when = copy.when;
  const std::string day = FormatDateTime(when);
  if (Application().ShowMessageBox(main_.Handle(), Format(msgRestoreAsk_, {day}), Application().Title(),
                                   MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  // The copy replaces the file: no connection may hold it meanwhile.
  if (autoBackup_) autoBackup_->Wait();
  LedgerStore& ledger = main_.Ledger();
  const std::string path = ledger.Path();
  ledger.DisconnectLedger();
  std::exception_ptr failure;
  try {
    RestoreLedger(chosen, path, backupFolder_, main_.Now());
  } catch (...) {
    failure = std::current_exception();
  }
  ledger.ConnectLedger(path);
  main_.actionQuery.Execute();
  if (failure) std::rethrow_exception(failure);
  Inform(Format(msgRestored_, {day}));
}

void LedgerDataCommands::ExportCsv() {
  const DateTimeParts today = DecodeDateTime(main_.Now());
  TFileDialogRequest request;
  request.owner = main_.Handle();
  request.filterName = msgCsvFilter_;
  request.pattern = "*.csv";
  request.defaultExtension = "csv";
  request.fileName = Format("money-%.4d%.2d%.2d.csv", {today.year, today.month, today.day});
  request.save = true;
  const std::optional<std::string> file = ChooseFile(request);
  if (!file) return;
  const Period shown{main_.datePickerStart.DateTime(), main_.datePickerStop.DateTime()};
  const std::vector<LedgerEntry> entries = main_.Ledger().LoadEntries(PeriodQuery(shown));
  WriteLedgerCsvFile(*file, LedgerCsvText(entries));
  Inform(Format(msgExported_, {static_cast<long long>(entries.size()), *file}));
}

void LedgerDataCommands::ImportCsv() {
  TFileDialogRequest request;
  request.owner = main_.Handle();
  request.filterName = msgCsvFilter_;
  request.pattern = "*.csv";
  const std::optional<std::string> file = ChooseFile(request);
  if (!file) return;
  // Every row is checked before anything is stored.
  const std::vector<LedgerStatement> inserts = LedgerCsvInserts(ReadLedgerCsvFile(*file));
  main_.Ledger().ExecuteLedgerCommands(inserts);
  main_.actionQuery.Execute();
  Inform(Format(msgImported_, {static_cast<long long>(inserts.size()), *file}));
}

}  // namespace zentavo
