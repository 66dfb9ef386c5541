#pragma once
#include <string>

#include "framework/win/Menu.h"
#include "ledger/win/RestoreForm.h"

namespace zentavo {

class LanguageFile;
class LedgerAutoBackup;
class TfrmMain;

// The Tools menu's commands on the ledger as a whole: putting back one of its kept copies,
// and exchanging entries with spreadsheets and other programs as comma-separated text.
// The items go at the end of the main window's Tools menu.
class LedgerDataCommands {
 public:
  // backupFolder: where the kept copies are; autoBackup (may be none): the program's own
  // copies, which must be finished before the ledger is replaced.
  LedgerDataCommands(TfrmMain& main, std::string backupFolder, LedgerAutoBackup* autoBackup);
  ~LedgerDataCommands();
  LedgerDataCommands(const LedgerDataCommands&) = delete;
  LedgerDataCommands& operator=(const LedgerDataCommands&) = delete;

  // Item captions and messages of section frmMain, the restore dialog's of frmRestore.
  void ApplyLanguage(const LanguageFile& texts);

  // Lets the user pick a kept copy and puts it in the ledger's place (after keeping a copy
  // of the current ledger); the list is queried again.
  void Restore();
  // Writes the entries of the period the main window shows to a file the user names.
  void ExportCsv();
  // Adds the entries of a file the user picks: all of them, or none when a row is bad.
  void ImportCsv();

  TMenuItem &N_ToolsLine, &N_Restore, &N_ExportCsv, &N_ImportCsv;
  // The restore list, made when it is first needed (a window fewer to make and skin at
  // start-up).
  TfrmRestore& RestoreDialog();

 private:
  void Inform(const std::string& text);
  TfrmMain& main_;
  TfrmRestore* restoreDialog_ = nullptr;  // owned by the main window
  TRestoreTexts restoreTexts_;
  std::string backupFolder_;
  LedgerAutoBackup* autoBackup_;
  std::string msgNoBackups_ = "There are no kept copies of the ledger yet.";
  std::string msgRestoreAsk_ = "Put the copy of %s in place of the ledger? The current ledger is kept as a copy first.";
  std::string msgRestored_ = "The ledger was restored from the copy of %s.";
  std::string msgBackupLine_ = "%s    %d entries    income %s    outgo %s";
  std::string msgExported_ = "%d entries were written to %s.";
  std::string msgImported_ = "%0:d entries were imported from %1:s.";
  std::string msgCsvFilter_ = "Comma-separated text (*.csv)";
};

}  // namespace zentavo
