// The Tools menu's restore, export and import on the running program's windows, with the
// file dialogs answered by the test and the restore list driven as a person would.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "ledger/AutoBackup.h"
#include "ledger/LedgerBackup.h"
#include "ledger/win/LedgerDataCommands.h"
#include "ledger/win/RestoreForm.h"
#include "framework/win/FileDialogs.h"
#include "win/support/ProgramFolder.h"
#include "win/support/RunningProgram.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

class DataCommands : public RunningProgram {
 protected:
  void TearDown() override {
    FileDialogOverride = nullptr;
    RunningProgram::TearDown();
  }
  // The next file dialog answers with this file of the program folder.
  void AnswerFileDialog(const std::string& name) {
    FileDialogOverride = [this, name](const TFileDialogRequest& request) -> std::optional<std::string> {
      lastRequest = request;
      return folder.Folder() + name;
    };
  }
  std::string Read(const std::string& name) {
    std::ifstream in(folder.Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::string Backups() { return folder.Folder() + "backups"; }
  TFileDialogRequest lastRequest;
};

const char* kCsv =
    "\xEF\xBB\xBFtime,flow,category,amount,note\r\n"
    "2024-03-02 09:00:00,income,Salary,4200.00,March\r\n"
    "2024-03-05 12:30:00,outgo,Food,16.50,\"Lunch, with \"\"Li\"\"\"\r\n"
    "2024-02-20 08:00:00,outgo,Rent,900.00,February\r\n";

TEST_F(DataCommands, AnImportedFileIsListedAndTheShownPeriodExportsAsTheSameRecords) {
  Start();
  folder.WriteFile("in.csv", kCsv);
  MessageBoxSpy spy;
  AnswerFileDialog("in.csv");
  windows->DataCommands().N_ImportCsv.Click();
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "3 entries were imported from " + folder.Folder() + "in.csv.");
  EXPECT_EQ(Main().listViewInfo.RowCount(), 2);  // this month: the two March entries

  AnswerFileDialog("out.csv");
  windows->DataCommands().N_ExportCsv.Click();
  EXPECT_TRUE(lastRequest.save);
  EXPECT_EQ(lastRequest.fileName, "money-20240331.csv");
  EXPECT_EQ(Read("out.csv"), std::string("\xEF\xBB\xBFtime,flow,category,amount,note\r\n") +
                                 "2024-03-02 09:00:00,income,Salary,4200.00,March\r\n"
                                 "2024-03-05 12:30:00,outgo,Food,16.50,\"Lunch, with \"\"Li\"\"\"\r\n");
  EXPECT_EQ(spy.boxes.back().text, "2 entries were written to " + folder.Folder() + "out.csv.");
}

TEST_F(DataCommands, AnImportWithABadRowStoresNothingAndTheErrorNamesTheLine) {
  Start();
  folder.WriteFile("in.csv", std::string(kCsv) + "2024-03-06 10:00:00,outgo,Food,ten,bad\r\n");
  MessageBoxSpy spy;
  AnswerFileDialog("in.csv");
  windows->DataCommands().N_ImportCsv.Click();
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "line 5: 'ten' is not an amount.");
  EXPECT_EQ(spy.boxes[0].flags & MB_ICONMASK, UINT(MB_ICONSTOP));
  EXPECT_EQ(Main().listViewInfo.RowCount(), 0);
  // A cancelled dialog does nothing at all.
  FileDialogOverride = [](const TFileDialogRequest&) { return std::optional<std::string>(); };
  windows->DataCommands().N_ImportCsv.Click();
  EXPECT_EQ(spy.boxes.size(), 1u);
}

// Picks the first copy of the open restore list and confirms it, as a person would.
TfrmRestore* openList = nullptr;
void CALLBACK PickFirstCopy(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!openList || !openList->Showing()) return;
  KillTimer(nullptr, timer);
  openList->listCopies.SetItemIndex(0);
  openList->buttonOK.Click();
}

TEST_F(DataCommands, RestoreListsTheCopiesKeepsTheCurrentLedgerAndPutsTheChosenOneInPlace) {
  folder.Add(true, EncodeDateTime(2024, 3, 2, 9), "4200");
  BackupLedger(folder.LedgerFile(), Backups(), EncodeDateTime(2024, 3, 10, 8));
  folder.Add(false, EncodeDateTime(2024, 3, 12, 9), "20");
  Start();
  ASSERT_EQ(Main().listViewInfo.RowCount(), 2);
  MessageBoxSpy spy(IDYES);
  openList = &windows->DataCommands().RestoreDialog();
  SetTimer(nullptr, 0, 100, PickFirstCopy);
  windows->DataCommands().N_Restore.Click();
  openList = nullptr;
  EXPECT_EQ(windows->DataCommands().RestoreDialog().listCopies.Item(0),
            "2024-03-10 08:00:00    1 entries    income 4200.00    outgo 0.00");
  ASSERT_EQ(spy.boxes.size(), 2u);
  EXPECT_EQ(spy.boxes[0].text,
            "Put the copy of 2024-03-10 08:00:00 in place of the ledger? The current ledger is kept as a copy first.");
  EXPECT_EQ(spy.boxes[1].text, "The ledger was restored from the copy of 2024-03-10 08:00:00.");
  EXPECT_EQ(Main().listViewInfo.RowCount(), 1);
  const std::vector<BackupCopy> copies = ListBackups(Backups());
  ASSERT_EQ(copies.size(), 2u);  // the chosen one and the copy of the ledger it replaced
  EXPECT_EQ(VerifyLedgerFile(copies[0].path).entries, 2);
  // The main window goes on writing to the restored ledger.
  folder.Add(false, EncodeDateTime(2024, 3, 13, 9), "5");
  Main().actionQuery.Execute();
  EXPECT_EQ(Main().listViewInfo.RowCount(), 2);
}

TEST_F(DataCommands, WithoutCopiesRestoreOnlySaysSo) {
  Start();
  MessageBoxSpy spy;
  windows->DataCommands().N_Restore.Click();
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "There are no kept copies of the ledger yet.");
}

class OwnBackups : public RunningProgram {
 protected:
  void StartWithBackups() {
    windows = std::make_unique<ProgramWindows>(folder.Folder(), ProgramStart{.backups = true});
    Main().Now = [] { return EncodeDateTime(2024, 3, 31, 10, 0, 0); };
    Main().Show();
    Pump();
  }
};

TEST_F(OwnBackups, TheProgramCopiesItsLedgerAtTheStartAndAfterItsFirstChange) {
  folder.Add(true, EncodeDateTime(2024, 3, 2, 9), "4200");
  StartWithBackups();
  windows->AutoBackup()->Wait();
  EXPECT_EQ(ListBackups(folder.Folder() + "backups").size(), 1u);
  Main().Ledger().ExecuteLedgerCommand(DeleteEntryStatement(1));
  Main().Ledger().ExecuteLedgerCommand(DeleteEntryStatement(2));
  windows->AutoBackup()->Wait();
  const std::vector<BackupCopy> copies = ListBackups(folder.Folder() + "backups");
  ASSERT_EQ(copies.size(), 2u);  // the second change makes no copy
  EXPECT_EQ(VerifyLedgerFile(copies[0].path).entries, 0);
}

TEST_F(OwnBackups, ACopyThatCannotBeMadeIsToldOnceAndTheProgramGoesOn) {
  folder.WriteFile("backups", "a file in the folder's place");
  MessageBoxSpy spy;
  StartWithBackups();
  windows->AutoBackup()->Wait();
  Application().ProcessMessagesUntil([&] { return !spy.boxes.empty(); }, 3000);
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_NE(spy.boxes[0].text.find("cannot be made"), std::string::npos) << spy.boxes[0].text;
  folder.Add(false, EncodeDateTime(2024, 3, 12, 9), "20");
  Main().Ledger().ExecuteLedgerCommand(DeleteEntryStatement(1));
  windows->AutoBackup()->Wait();
  Application().ProcessMessagesUntil([] { return false; }, 1500);
  EXPECT_EQ(spy.boxes.size(), 1u);
}

}  // namespace
