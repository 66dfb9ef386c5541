#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

#include "LedgerTestFolder.h"
#include "native/support/ToolRunner.h"

using ::testing::HasSubstr;
using zentavo::testing::FileText;
using zentavo::testing::RunTool;
using zentavo::testing::ToolResult;

namespace {

// Runs the built ledgertool as a separate process, as scripts and the distribution do.
class LedgertoolTest : public ::testing::Test {
 protected:
  ToolResult Run(const std::vector<std::string>& args) {
    return RunTool(ZENTAVO_BINARY_DIR "/tools/ledgertool/ledgertool", args, folder_.Path());
  }
  // Runs a command that must succeed and returns its output.
  std::string Ok(const std::vector<std::string>& args) {
    const ToolResult result = Run(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return result.out;
  }

  LedgerTestFolder folder_;
  std::string db_ = folder_.File("money.mdb");
};

}  // namespace

TEST_F(LedgertoolTest, CreateAddListAndTotals) {
  ASSERT_TRUE(std::filesystem::exists(ZENTAVO_BINARY_DIR "/tools/ledgertool/ledgertool"));
  EXPECT_EQ(Ok({"create", db_}), "");
  EXPECT_EQ(Ok({"add", db_, "income", "2024-03-05 08:00:00", "工资", "100", "it's 100%"}), "1\n");
  EXPECT_EQ(Ok({"add", db_, "outgo", "2024-03-06 12:30:00", "餐饮", "30", "tab\there\nline \\ end"}), "2\n");
  EXPECT_EQ(Ok({"add", db_, "income", "2024-03-31 23:59:59", "", "20.5", ""}), "3\n");
  EXPECT_EQ(Ok({"add", db_, "income", "2024-04-01 00:00:00", "later", "12.345", "n"}), "4\n");

  EXPECT_EQ(Ok({"list", db_, "2024-03-01 00:00:00", "2024-03-31 23:59:59.999"}),
            "1\t2024-03-05 08:00:00\t1\t工资\t100\tit's 100%\n"
            "2\t2024-03-06 12:30:00\t0\t餐饮\t30\ttab\\there\\nline \\\\ end\n"
            "3\t2024-03-31 23:59:59\t1\t\t20.5\t\n");
  EXPECT_EQ(Ok({"list", db_, "2024-04-01 00:00:00", "2024-04-01 00:00:00"}),
            "4\t2024-04-01 00:00:00\t1\tlater\t12.35\tn\n");
  EXPECT_EQ(Ok({"totals", db_, "2024-03-01 00:00:00", "2024-03-31 23:59:59"}),
            "总计：90.5元  其中收入120.5元  支出30元\n");
  EXPECT_EQ(Ok({"totals", db_, "2025-01-01 00:00:00", "2025-12-31 23:59:59"}),
            "总计：0元  其中收入0元  支出0元\n");
  EXPECT_EQ(Ok({"list", db_, "2025-01-01 00:00:00", "2025-12-31 23:59:59"}), "");
}

TEST_F(LedgertoolTest, ListsInKeyTextOrderAndDeletesOnlyTheGivenKeys) {
  Ok({"create", db_});
  for (int i = 1; i <= 11; ++i) Ok({"add", db_, "outgo", "2024-03-05 08:00:00", "same", "1", "same"});
  Ok({"delete", db_, "3", "4", "5", "6", "7", "8"});
  std::string keys;
  std::istringstream lines(Ok({"list", db_, "2024-03-05 00:00:00", "2024-03-05 23:59:59"}));
  for (std::string line; std::getline(lines, line);) keys += line.substr(0, line.find('\t')) + " ";
  EXPECT_EQ(keys, "1 10 11 2 9 ");

  const ToolResult missing = Run({"delete", db_, "2", "99"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "ledgertool: Ledger database '" + db_ + "' holds no entry 99\n");
  const ToolResult badKey = Run({"delete", db_, "1", "x"});
  EXPECT_EQ(badKey.exitCode, 1);
  EXPECT_EQ(badKey.err, "ledgertool: 'x' is not a valid integer value\n");
  // Key 1 stays: the keys are all read before anything is deleted.
  EXPECT_THAT(Ok({"list", db_, "2024-03-05 00:00:00", "2024-03-05 23:59:59"}), HasSubstr("1\t2024"));
  EXPECT_EQ(Ok({"totals", db_, "2024-03-05 00:00:00", "2024-03-05 23:59:59"}),
            "总计：-4元  其中收入0元  支出4元\n");
}

TEST_F(LedgertoolTest, UpdateKeepsTheFlowAndRefusesBadInput) {
  Ok({"create", db_});
  Ok({"add", db_, "outgo", "2024-03-05 08:00:00", "food", "5", "old"});
  Ok({"update", db_, "1", "2024-03-07 09:10:11", "rent", "1234.567", "new"});
  const std::string changed = "1\t2024-03-07 09:10:11\t0\trent\t1234.57\tnew\n";
  EXPECT_EQ(Ok({"list", db_, "2024-01-01 00:00:00", "2024-12-31 23:59:59"}), changed);

  const ToolResult badAmount = Run({"update", db_, "1", "2024-03-07 09:10:11", "x", "1,5", "x"});
  EXPECT_EQ(badAmount.exitCode, 1);
  EXPECT_EQ(badAmount.err, "ledgertool: '1,5' is not a valid floating point value\n");
  const ToolResult unknown = Run({"update", db_, "7", "2024-03-07 09:10:11", "x", "1", "x"});
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_EQ(unknown.err, "ledgertool: Ledger database '" + db_ + "' holds no entry 7\n");
  const ToolResult badTime = Run({"add", db_, "income", "2024-13-01 00:00:00", "x", "1", "x"});
  EXPECT_EQ(badTime.exitCode, 1);
  EXPECT_THAT(badTime.err, HasSubstr("'2024-13-01 00:00:00' is not a valid date and time"));
  EXPECT_EQ(Ok({"list", db_, "2024-01-01 00:00:00", "2024-12-31 23:59:59"}), changed);
}

TEST_F(LedgertoolTest, FileErrorsExitWithOneAndCreateNothing) {
  const ToolResult missing = Run({"list", db_, "2024-01-01 00:00:00", "2024-12-31 23:59:59"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "ledgertool: Ledger database '" + db_ + "' does not exist\n");
  EXPECT_FALSE(std::filesystem::exists(db_));
  Ok({"create", db_});
  const ToolResult again = Run({"create", db_});
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_THAT(again.err, HasSubstr("already exists"));
  // The file is encrypted: none of its text is readable without the key.
  Ok({"add", db_, "income", "2024-03-05 08:00:00", "secret category", "1", "secret note"});
  const std::string bytes = FileText(db_);
  EXPECT_EQ(bytes.find("secret"), std::string::npos);
  EXPECT_EQ(bytes.find("SQLite format"), std::string::npos);
}

TEST_F(LedgertoolTest, PeriodsAndUsageErrors) {
  EXPECT_EQ(Ok({"period", "4", "--now", "2024-03-31 10:00:00"}),
            "2024-02-01 00:00:00.000\t2024-02-29 23:59:59.999\n");
  EXPECT_EQ(Ok({"period", "--now", "2024-03-31 10:00:00", "0"}),
            "2024-03-31 00:00:00.000\t2024-03-31 23:59:59.999\n");
  EXPECT_EQ(Ok({"period", "7"}), "1900-01-01 00:00:00.000\t3000-01-01 00:00:00.000\n");
  EXPECT_EQ(Ok({"period", "5", "--report", "--now", "2024-03-31 10:00:00"}),
            "2024-01-01 00:00:00.000\t2024-12-31 23:59:59.999\n");
  const ToolResult reportZero = Run({"period", "0", "--report"});
  EXPECT_EQ(reportZero.exitCode, 1);
  EXPECT_EQ(reportZero.out, "");

  for (const std::vector<std::string>& usage : std::vector<std::vector<std::string>>{
           {},
           {"frobnicate"},
           {"period"},
           {"period", "x"},
           {"period", "1", "2"},
           {"period", "1", "--now"},
           {"create"},
           {"add", db_, "gift", "2024-03-05 08:00:00", "c", "1", "n"},
           {"add", db_, "income", "2024-03-05 08:00:00", "c", "1"},
           {"delete", db_},
       }) {
    const ToolResult result = Run(usage);
    EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(usage);
    EXPECT_THAT(result.err, HasSubstr("usage:"));
  }
  EXPECT_FALSE(std::filesystem::exists(db_));
}

TEST_F(LedgertoolTest, StatsPrintsTheStatisticsWindowsPointsPerDay) {
  Ok({"create", db_});
  Ok({"add", db_, "income", "2024-03-05 09:00:00", "c", "100", ""});
  Ok({"add", db_, "outgo", "2024-03-05 12:00:00", "c", "30", ""});
  Ok({"add", db_, "outgo", "2024-03-05 19:00:00", "c", "2.5", ""});
  Ok({"add", db_, "outgo", "2024-03-07 10:00:00", "c", "2.5", ""});
  Ok({"add", db_, "income", "2024-03-07 10:30:00", "c", "50", ""});
  const std::string from = "2024-03-01 00:00:00", to = "2024-03-31 23:59:59";
  EXPECT_EQ(Ok({"stats", db_, from, to, "0"}), "2024-03-05\t68\n2024-03-07\t48\n");
  EXPECT_EQ(Ok({"stats", db_, from, to, "1"}), "2024-03-05\t100\n2024-03-07\t50\n");
  EXPECT_EQ(Ok({"stats", db_, from, to, "2"}), "2024-03-05\t32\n2024-03-07\t2\n");
  EXPECT_EQ(Ok({"stats", db_, from, to, "-1"}), Ok({"stats", db_, from, to, "0"}));
  EXPECT_EQ(Ok({"stats", db_, "2025-01-01 00:00:00", "2025-12-31 23:59:59", "0"}), "");
  const ToolResult bad = Run({"stats", db_, from, to, "x"});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_EQ(bad.err, "ledgertool: 'x' is not a valid integer value\n");
  EXPECT_EQ(Run({"stats", db_, from, to}).exitCode, 2);
}

TEST_F(LedgertoolTest, ExportImportExportGivesTheSameBytesWithAwkwardTexts) {
  Ok({"create", db_});
  Ok({"add", db_, "income", "2024-03-05 08:00:00", "工资", "4200", "March, \"salary\""});
  Ok({"add", db_, "outgo", "2024-03-05 08:00:00", "餐饮", "16.5", "two\nlines\r\nand a tab\there"});
  Ok({"add", db_, "outgo", "2024-01-02 23:59:59", " padded ", "0.1", ""});
  Ok({"add", db_, "income", "2025-12-31 00:00:00", "a,b", "12.345", "\"\""});
  const std::string first = folder_.File("first.csv"), second = folder_.File("second.csv");
  EXPECT_EQ(Ok({"export", db_, first}), "4\n");
  const std::string text = FileText(first);
  EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_THAT(text, HasSubstr("time,flow,category,amount,note\r\n2024-01-02 23:59:59,outgo,\" padded \",0.10,\r\n"));
  EXPECT_THAT(text, HasSubstr("2025-12-31 00:00:00,income,\"a,b\",12.35,\"\"\"\"\"\"\r\n"));

  const std::string copy = folder_.File("copy.mdb");
  Ok({"create", copy});
  EXPECT_EQ(Ok({"import", copy, first}), "4\n");
  Ok({"export", copy, second});
  EXPECT_EQ(FileText(second), text);
  // A period exports only its entries.
  EXPECT_EQ(Ok({"export", db_, second, "2024-03-01 00:00:00", "2024-03-31 23:59:59"}), "2\n");
}

TEST_F(LedgertoolTest, AnImportWithOneBadRowStoresNothingAndNamesItsLine) {
  Ok({"create", db_});
  std::string csv = "time,flow,category,amount,note\r\n";
  for (int i = 0; i < 10000; ++i) {
    // Row 7,777 (line 7,778 with the header) has an amount that is no number.
    const std::string amount = i == 7776 ? "12,50" : std::to_string(i % 100) + ".25";
    csv += "2024-02-03 04:05:06,outgo,Food," + (i == 7776 ? "\"" + amount + "\"" : amount) + ",row\r\n";
  }
  const std::string file = folder_.File("rows.csv");
  std::ofstream(file, std::ios::binary) << csv;
  const ToolResult bad = Run({"import", db_, file});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_THAT(bad.err, HasSubstr("line 7778: '12,50' is not an amount"));
  EXPECT_EQ(Ok({"list", db_, "2024-01-01 00:00:00", "2024-12-31 23:59:59"}), "");
  // Other faults name theirs too; a missing file is reported as such.
  std::ofstream(file, std::ios::binary) << "2024-02-03 04:05:06,spent,Food,1,x\r\n";
  EXPECT_THAT(Run({"import", db_, file}).err, HasSubstr("line 1: the flow 'spent' is neither income nor outgo"));
  std::ofstream(file, std::ios::binary) << "2024-02-03 04:05:06,outgo,Food,1\r\n";
  EXPECT_THAT(Run({"import", db_, file}).err, HasSubstr("line 1: expected 5 fields"));
  EXPECT_THAT(Run({"import", db_, folder_.File("none.csv")}).err, HasSubstr("cannot be read"));
}

TEST_F(LedgertoolTest, BackupAndRestoreThroughTheBackupsFolder) {
  Ok({"create", db_});
  Ok({"add", db_, "income", "2024-03-05 08:00:00", "Salary", "100", "kept"});
  const std::string copyLine = Ok({"backup", db_});
  const std::string copy = copyLine.substr(0, copyLine.size() - 1);
  EXPECT_EQ(std::filesystem::path(copy).parent_path(), std::filesystem::path(folder_.File("backups")));
  Ok({"add", db_, "outgo", "2024-03-06 08:00:00", "Food", "5", "after"});
  EXPECT_THAT(Ok({"restore", copy, db_}), HasSubstr("the replaced ledger was copied to"));
  EXPECT_EQ(Ok({"list", db_, "2024-01-01 00:00:00", "2024-12-31 23:59:59"}), "1\t2024-03-05 08:00:00\t1\tSalary\t100\tkept\n");
  // A file that is no ledger is refused and changes nothing; a missing ledger gets no copy.
  const std::string junk = folder_.File("junk.mdb");
  std::ofstream(junk, std::ios::binary) << std::string(8192, 'x');
  EXPECT_EQ(Run({"restore", junk, db_}).exitCode, 1);
  EXPECT_EQ(Ok({"list", db_, "2024-01-01 00:00:00", "2024-12-31 23:59:59"}), "1\t2024-03-05 08:00:00\t1\tSalary\t100\tkept\n");
  const ToolResult missing = Run({"backup", folder_.File("none.mdb")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_THAT(missing.err, HasSubstr("does not exist"));
}
