#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "LedgerTestFolder.h"
#include "core/Error.h"
#include "core/Period.h"
#include "ledger/LedgerDatabase.h"
#include "ledger/LedgerStore.h"

using namespace zentavo;
using ::testing::HasSubstr;

namespace {

const Period kAll = MainPeriodPreset(7, EncodeDateTime(2024, 3, 5, 12));

TDateTime At(const char* text) {
  return ParseDateTime(text);
}

// The message of the zentavo::Error that `run` throws, or "" when it throws none.
template <class Run>
std::string ErrorOf(Run run) {
  try {
    run();
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

class LedgerStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateLedger(path_);
    store_.ConnectLedger(path_);
  }

  std::string AddIncome(const char* time, std::string_view category, std::string_view amount,
                        std::string_view note) {
    store_.ExecuteLedgerCommand(AddIncomeStatement(At(time), At(time), category, note, amount));
    return std::to_string(store_.LastInsertKey());
  }
  std::string AddOutgo(const char* time, std::string_view category, std::string_view amount,
                       std::string_view note) {
    store_.ExecuteLedgerCommand(AddOutgoStatement(At(time), At(time), category, note, amount));
    return std::to_string(store_.LastInsertKey());
  }
  // A row as another program could have written it, Nulls included.
  void InsertRaw(const char* values) {
    store_.ExecuteLedgerCommand(
        {std::string("INSERT INTO moneyLog(MoneyLogTime,MoneyLogFlow,IncomeType,OutgoType,"
                     "MoneyLogNote,MoneyLogMoney,MoneyCurrency) VALUES(") +
             values + ")",
         {}});
  }
  std::vector<LedgerEntry> All() { return store_.LoadEntries(PeriodQuery(kAll)); }

  LedgerTestFolder folder_;
  std::string path_ = folder_.File("money.mdb");
  LedgerStore store_;
};

}  // namespace

TEST_F(LedgerStoreTest, TextsAreStoredExactlyAndReadBackAsEntries) {
  const std::string note = "it's 100% \"fine\"; DROP TABLE moneyLog; -- 午饭 '%s' %d \\ \t end";
  const std::string key1 = AddIncome("2024-03-05 08:30:00", "工资 'bonus'", "1000", note);
  const std::string key2 = AddOutgo("2024-03-06 00:00:00", "餐饮 50%", "12.5", "");

  std::vector<LedgerEntry> entries = All();
  SortEntriesByKeyText(entries);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].key, key1);
  EXPECT_EQ(entries[0].time, "2024-03-05 08:30:00");
  EXPECT_EQ(entries[0].flow, EntryFlow::Income);
  EXPECT_EQ(entries[0].category, "工资 'bonus'");
  EXPECT_EQ(entries[0].amount, "1000");
  EXPECT_EQ(entries[0].note, note);
  EXPECT_EQ(entries[1].key, key2);
  // Midnight keeps its time, so the entry can still be split and changed.
  EXPECT_EQ(entries[1].time, "2024-03-06 00:00:00");
  EXPECT_EQ(entries[1].flow, EntryFlow::Outgo);
  EXPECT_EQ(entries[1].category, "餐饮 50%");
  EXPECT_EQ(entries[1].amount, "12.5");
  EXPECT_EQ(entries[1].note, "");

  // The income leaves the outgo column Null, and both are written with the currency RMB.
  const std::string written = "Select * From MoneyLog Where MoneyLogID=? and MoneyCurrency='RMB' and ";
  EXPECT_EQ(store_.LoadEntries({written + "OutgoType is null", {EntryKeyFromText(key1)}}).size(), 1u);
  EXPECT_EQ(store_.LoadEntries({written + "IncomeType is null", {EntryKeyFromText(key2)}}).size(), 1u);
}

TEST_F(LedgerStoreTest, AmountsAreRoundedToTwoDecimalsBeforeTheyAreStored) {
  AddIncome("2024-03-05 08:00:00", "a", "12.345", "");
  AddIncome("2024-03-05 08:00:01", "a", "7", "");
  AddIncome("2024-03-05 08:00:02", "a", " 1.005 ", "");
  AddIncome("2024-03-05 08:00:03", "a", "0.001", "");
  std::vector<LedgerEntry> entries = All();
  SortEntriesByKeyText(entries);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].amount, "12.35");
  EXPECT_EQ(entries[1].amount, "7");
  EXPECT_EQ(entries[2].amount, "1.01");
  EXPECT_EQ(entries[3].amount, "0");
  // The stored number is exactly the two-decimal one, not 12.345 or 12.3449999.
  const auto stored = store_.LoadEntries({"Select * From MoneyLog Where MoneyLogMoney=12.35", {}});
  EXPECT_EQ(stored.size(), 1u);
}

TEST_F(LedgerStoreTest, AnAmountThatIsNoNumberFailsBeforeAnythingIsStored) {
  for (const char* amount : {"12,5", "", "abc", "1e999"}) {
    EXPECT_EQ(ErrorOf([&] { AddOutgo("2024-03-05 08:00:00", "a", amount, "n"); }),
              std::string("'") + amount + "' is not a valid floating point value");
  }
  EXPECT_TRUE(All().empty());
}

TEST_F(LedgerStoreTest, BothPeriodBoundsAreInclusiveToTheSecond) {
  AddIncome("2024-02-29 23:59:59", "before", "1", "");
  AddIncome("2024-03-01 00:00:00", "first", "1", "");
  AddIncome("2024-03-31 23:59:59", "last", "1", "");
  AddIncome("2024-04-01 00:00:00", "after", "1", "");
  const Period march = MainPeriodPreset(3, EncodeDateTime(2024, 3, 15, 10));
  std::vector<LedgerEntry> entries = store_.LoadEntries(PeriodQuery(march));
  SortEntriesByKeyText(entries);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].category, "first");
  EXPECT_EQ(entries[1].category, "last");
  EXPECT_TRUE(store_.LoadEntries(PeriodQuery(MainPeriodPreset(1, EncodeDateTime(2024, 3, 2)))).empty());
  EXPECT_EQ(All().size(), 4u);
}

TEST_F(LedgerStoreTest, NullCategoriesReadAsEmptyWhateverTheRowBeforeHolds) {
  InsertRaw("'2024-03-05 01:00:00', 1, 'salary', 'x', 'n', 1, 'RMB'");
  InsertRaw("'2024-03-05 02:00:00', 1, NULL, 'x', 'n', 1, 'RMB'");
  InsertRaw("'2024-03-05 03:00:00', 0, 'x', 'food', 'n', 1, 'RMB'");
  InsertRaw("'2024-03-05 04:00:00', 0, 'x', NULL, 'n', 1, 'RMB'");
  std::vector<std::string> categories;
  store_.LoadEntries(PeriodQuery(kAll),
                     [&](const LedgerEntry& entry) { categories.push_back(entry.category); });
  EXPECT_THAT(categories, ::testing::UnorderedElementsAre("salary", "", "food", ""));
  std::vector<LedgerEntry> entries = All();
  SortEntriesByKeyText(entries);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[1].category, "");
  EXPECT_EQ(entries[3].category, "");
}

TEST_F(LedgerStoreTest, OtherFlowsHaveNoCategory) {
  InsertRaw("'2024-03-05 01:00:00', 5, 'in', 'out', 'n', 3, 'RMB'");
  InsertRaw("'2024-03-05 01:00:01', -1, 'in', 'out', 'n', 3, 'RMB'");
  const auto entries = All();
  ASSERT_EQ(entries.size(), 2u);
  for (const LedgerEntry& entry : entries) EXPECT_EQ(entry.category, "");
  EXPECT_THAT((std::vector{static_cast<int>(entries[0].flow), static_cast<int>(entries[1].flow)}),
              ::testing::UnorderedElementsAre(5, -1));
}

TEST_F(LedgerStoreTest, NullsInTimeFlowAmountOrNoteFailTheListing) {
  const struct {
    const char* values;
    const char* error;
  } cases[] = {
      {"NULL, 1, 'c', NULL, 'n', 1, 'RMB'", "Could not convert variant of type (Null) into type (String)"},
      {"'2024-03-05 01:00:00', NULL, 'c', NULL, 'n', 1, 'RMB'",
       "Could not convert variant of type (Null) into type (Integer)"},
      {"'2024-03-05 01:00:00', 1, 'c', NULL, 'n', NULL, 'RMB'",
       "Could not convert variant of type (Null) into type (String)"},
      {"'2024-03-05 01:00:00', 0, NULL, 'c', NULL, 1, 'RMB'",
       "Could not convert variant of type (Null) into type (String)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.values);
    store_.ExecuteLedgerCommand({"DELETE FROM moneyLog", {}});
    InsertRaw(c.values);
    // A Null time lies in no period, so the rows are read without a period.
    EXPECT_EQ(ErrorOf([&] { store_.LoadEntries({"Select * From MoneyLog", {}}); }), c.error);
  }
  // A failed listing leaves the connection usable.
  store_.ExecuteLedgerCommand({"DELETE FROM moneyLog", {}});
  AddIncome("2024-03-05 08:00:00", "a", "1", "");
  EXPECT_EQ(All().size(), 1u);
}

TEST_F(LedgerStoreTest, DeleteRemovesOnlyTheGivenKeysAndLeavesEqualRows) {
  const std::string a = AddOutgo("2024-03-05 12:00:00", "same", "9.99", "same");
  const std::string b = AddOutgo("2024-03-05 12:00:00", "same", "9.99", "same");
  const std::string c = AddOutgo("2024-03-05 12:00:00", "same", "9.99", "same");
  EXPECT_EQ(store_.ExecuteLedgerCommand(DeleteEntryStatement(EntryKeyFromText(b))), 1);
  std::vector<LedgerEntry> entries = All();
  SortEntriesByKeyText(entries);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].key, a);
  EXPECT_EQ(entries[1].key, c);
  EXPECT_EQ(store_.ExecuteLedgerCommand(DeleteEntryStatement(EntryKeyFromText(b))), 0);
  // Keys are never reused after a delete, so a stale key cannot hit a newer entry.
  store_.ExecuteLedgerCommand(DeleteEntryStatement(EntryKeyFromText(c)));
  EXPECT_GT(EntryKeyFromText(AddOutgo("2024-03-05 12:00:00", "x", "1", "")), EntryKeyFromText(c));
}

TEST_F(LedgerStoreTest, AChangeRewritesTheFieldsButNeverTheFlow) {
  const std::int64_t income = EntryKeyFromText(AddIncome("2024-03-05 08:00:00", "salary", "100", "old"));
  const std::int64_t outgo = EntryKeyFromText(AddOutgo("2024-03-05 09:00:00", "food", "5", "old"));
  const TDateTime when = At("2024-03-07 17:45:10");
  store_.ExecuteLedgerCommand(ChangeIncomeStatement(when, when, "bonus", "new 'note'", "200.456", income));
  store_.ExecuteLedgerCommand(
      ChangeOutgoStatement(At("2024-03-08"), At("2024-01-01 06:07:08"), "rent", "", "7", outgo));
  const auto changedIncome = store_.LoadEntries(EntryQuery(income));
  ASSERT_EQ(changedIncome.size(), 1u);
  EXPECT_EQ(changedIncome[0].flow, EntryFlow::Income);
  EXPECT_EQ(changedIncome[0].time, "2024-03-07 17:45:10");
  EXPECT_EQ(changedIncome[0].category, "bonus");
  EXPECT_EQ(changedIncome[0].note, "new 'note'");
  EXPECT_EQ(changedIncome[0].amount, "200.46");
  const auto changedOutgo = store_.LoadEntries(EntryQuery(outgo));
  ASSERT_EQ(changedOutgo.size(), 1u);
  EXPECT_EQ(changedOutgo[0].flow, EntryFlow::Outgo);
  // The date of one picker and the time of day of the other.
  EXPECT_EQ(changedOutgo[0].time, "2024-03-08 06:07:08");
  EXPECT_EQ(changedOutgo[0].category, "rent");
  // A bad amount changes nothing.
  EXPECT_THAT(ErrorOf([&] {
                store_.ExecuteLedgerCommand(ChangeOutgoStatement(when, when, "x", "x", "1.2.3", outgo));
              }),
              "'1.2.3' is not a valid floating point value");
  EXPECT_EQ(store_.LoadEntries(EntryQuery(outgo))[0].category, "rent");
}

TEST_F(LedgerStoreTest, EntriesSurviveReconnectingAndAClosedStoreFailsClearly) {
  AddIncome("2024-03-05 08:00:00", "a", "1", "kept");
  store_.DisconnectLedger();
  EXPECT_FALSE(store_.Connected());
  EXPECT_EQ(ErrorOf([&] { All(); }), "Ledger database '" + path_ + "' is not open");
  store_.ConnectLedger(path_);
  ASSERT_EQ(All().size(), 1u);
  EXPECT_EQ(All()[0].note, "kept");
  // A visitor may run statements while a listing is open.
  store_.LoadEntries(PeriodQuery(kAll), [&](const LedgerEntry&) { EXPECT_EQ(All().size(), 1u); });
  EXPECT_THAT(ErrorOf([&] {
                store_.ExecuteLedgerCommand({"DELETE FROM moneyLog WHERE MoneyLogID=?", {}});
              }),
              HasSubstr("takes 1 values, not 0"));
  EXPECT_THAT(ErrorOf([&] {
                store_.ExecuteLedgerCommand({"DELETE FROM noSuchTable", {}});
              }),
              "Ledger database '" + path_ + "': no such table: noSuchTable");
}

class LedgerConnectFailureTest : public ::testing::Test {
 protected:
  void ExpectConnectError(const std::string& expected) {
    LedgerStore store;
    EXPECT_EQ(ErrorOf([&] { store.ConnectLedger(path_, std::chrono::milliseconds(100)); }), expected);
    EXPECT_FALSE(store.Connected());
  }

  LedgerTestFolder folder_;
  std::string path_ = folder_.File("money.mdb");
};

TEST_F(LedgerConnectFailureTest, AMissingFileIsNeverCreated) {
  ExpectConnectError("Ledger database '" + path_ + "' does not exist");
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(LedgerConnectFailureTest, AWrongPasswordOrAPlainDatabaseIsRefusedAtConnect) {
  {
    SqliteDatabase other =
        OpenLedgerDatabase(path_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, "another key");
    ExecuteLedgerSql(other.get(), path_, "CREATE TABLE moneyLog(MoneyLogID INTEGER PRIMARY KEY)");
  }
  const std::string wrongKey =
      "Ledger database '" + path_ + "' cannot be read: wrong password, or not a ledger database";
  ExpectConnectError(wrongKey);

  // An unencrypted SQLite database is no ledger either.
  std::filesystem::remove(path_);
  {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
              SQLITE_OK);
    SqliteDatabase plain(raw);
    ExecuteLedgerSql(plain.get(), path_, "CREATE TABLE moneyLog(x)");
  }
  ExpectConnectError(wrongKey);
}

TEST_F(LedgerConnectFailureTest, AFileThatIsNoDatabaseIsLeftUntouched) {
  const std::string content = "Standard Jet DB, or anything else that is not ours";
  std::ofstream(path_, std::ios::binary) << content << std::string(5000, 'x');
  ExpectConnectError("Ledger database '" + path_ +
                     "' cannot be read: wrong password, or not a ledger database");
  EXPECT_EQ(std::filesystem::file_size(path_), content.size() + 5000);
  // An empty file opens as an empty database, which holds no ledger, and stays empty.
  std::ofstream(path_, std::ios::binary | std::ios::trunc).close();
  ExpectConnectError("Ledger database '" + path_ + "' holds no ledger (the table moneyLog is missing)");
  EXPECT_EQ(std::filesystem::file_size(path_), 0u);
}

TEST_F(LedgerConnectFailureTest, ALockedFileFailsAfterAShortWait) {
  CreateLedger(path_);
  SqliteDatabase holder = OpenLedgerDatabase(path_, SQLITE_OPEN_READWRITE);
  ExecuteLedgerSql(holder.get(), path_, "BEGIN EXCLUSIVE");
  ExpectConnectError("Ledger database '" + path_ + "' is locked by another program; try again later");
  // A lock taken after connecting shows at the statement.
  ExecuteLedgerSql(holder.get(), path_, "COMMIT");
  LedgerStore store;
  store.ConnectLedger(path_, std::chrono::milliseconds(100));
  ExecuteLedgerSql(holder.get(), path_, "BEGIN EXCLUSIVE");
  EXPECT_EQ(ErrorOf([&] { store.LoadEntries(PeriodQuery(kAll)); }),
            "Ledger database '" + path_ + "' is locked by another program; try again later");
  ExecuteLedgerSql(holder.get(), path_, "COMMIT");
  EXPECT_TRUE(store.LoadEntries(PeriodQuery(kAll)).empty());
}

namespace {

// The connect error of a ledger as an ordinary user sees it. Root writes any file, so for
// root the connection is tried in a child process that has given up its rights.
std::string ConnectErrorAsOrdinaryUser(const std::string& path) {
  auto connectError = [&] {
    LedgerStore store;
    std::string error = ErrorOf([&] { store.ConnectLedger(path, std::chrono::milliseconds(100)); });
    return store.Connected() ? "connected" : error;
  };
  if (geteuid() != 0) return connectError();
  int channel[2];
  if (pipe(channel) != 0) return "no pipe";
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    constexpr uid_t kNobody = 65534;
    const std::string error = setgid(kNobody) == 0 && setuid(kNobody) == 0 ? connectError() : "cannot drop rights";
    ssize_t written = write(channel[1], error.data(), error.size());
    _exit(written == static_cast<ssize_t>(error.size()) ? 0 : 1);
  }
  close(channel[1]);
  std::string error;
  char buffer[512];
  for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) error.append(buffer, static_cast<size_t>(got));
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return error;
}

}  // namespace

TEST_F(LedgerConnectFailureTest, AReadOnlyFileIsRefused) {
  CreateLedger(path_);
  using std::filesystem::perms;
  std::filesystem::permissions(path_, perms::owner_read | perms::group_read | perms::others_read);
  EXPECT_EQ(ConnectErrorAsOrdinaryUser(path_), "Ledger database '" + path_ + "' is read-only; it cannot be changed");
}

TEST_F(LedgerConnectFailureTest, CreateRefusesAnExistingFile) {
  std::ofstream(path_) << "keep me";
  EXPECT_EQ(ErrorOf([&] { CreateLedger(path_); }),
            "Ledger database '" + path_ + "' already exists; it was left as it is");
  std::ifstream in(path_);
  std::string content;
  std::getline(in, content);
  EXPECT_EQ(content, "keep me");
  EXPECT_EQ(ErrorOf([&] { CreateLedger(folder_.File("no such folder/money.mdb")); }),
            "Ledger database '" + folder_.File("no such folder/money.mdb") +
                "' cannot be created: its folder does not exist");
}

namespace {

int PageSize(const std::string& path) {
  SqliteDatabase db = OpenLedgerDatabase(path, SQLITE_OPEN_READONLY);
  sqlite3_stmt* raw = nullptr;
  sqlite3_prepare_v2(db.get(), "PRAGMA page_size", -1, &raw, nullptr);
  SqliteStatement statement(raw);
  return sqlite3_step(raw) == SQLITE_ROW ? sqlite3_column_int(raw, 0) : -1;
}

}  // namespace

// New ledgers use large pages; a ledger made with the library's default pages (as every
// earlier copy made them) is read and written all the same.
TEST_F(LedgerConnectFailureTest, LedgersOfEitherPageSizeOpenAlike) {
  CreateLedger(path_);
  EXPECT_EQ(PageSize(path_), 16384);

  const std::string small = folder_.File("small.mdb");
  {
    SqliteDatabase db = OpenLedgerDatabase(small, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    ExecuteLedgerSql(db.get(), small,
                     "CREATE TABLE moneyLog(MoneyLogID INTEGER PRIMARY KEY AUTOINCREMENT, MoneyLogTime TEXT,"
                     "MoneyLogFlow INTEGER, IncomeType TEXT, OutgoType TEXT, MoneyLogNote TEXT,"
                     "MoneyLogMoney REAL, MoneyCurrency TEXT)");
  }
  EXPECT_EQ(PageSize(small), 4096);
  LedgerStore store;
  store.ConnectLedger(small);
  store.ExecuteLedgerCommand(AddIncomeStatement(At("2024-03-05 00:00:00"), At("2024-03-05 10:00:00"), "Pay", "",
                                                "12.5"));
  const std::vector<LedgerEntry> entries = store.LoadEntries(PeriodQuery(kAll));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].amount, "12.5");
}
