#include "ledger/LedgerStore.h"

#include <sqlite3.h>

#include <climits>
#include <cmath>
#include <string_view>
#include <unordered_map>

#include "core/Error.h"
#include "core/Format.h"
#include "core/Number.h"
#include "ledger/LedgerDatabase.h"

namespace zentavo {
namespace {

// Statements are kept prepared by text: the windows run the same few texts again and
// again, and a bulk insert should not parse its statement a million times.
constexpr std::size_t kMaxCachedStatements = 32;

// Where the entry's fields stand in a query's result, found by column name once per
// prepared statement (the period query selects "*").
struct EntryColumns {
  int key = -1, time = -1, flow = -1, incomeType = -1, outgoType = -1, note = -1, money = -1;
};

struct CachedStatement {
  SqliteStatement statement;
  bool inUse = false;
  bool columnsKnown = false;
  EntryColumns columns;
};

Error NullConversion(const char* type) {
  return Error(Format("Could not convert variant of type (Null) into type (%s)", {type}));
}

std::string_view ColumnText(sqlite3_stmt* s, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
  return text == nullptr ? std::string_view() : std::string_view(text, sqlite3_column_bytes(s, column));
}

// A column read as text, where Null is an error (the key, time, note).
void ReadText(sqlite3_stmt* s, int column, std::string& out) {
  if (sqlite3_column_type(s, column) == SQLITE_NULL) throw NullConversion("String");
  out.assign(ColumnText(s, column));
}

// A category column: Null counts as empty.
void ReadCategory(sqlite3_stmt* s, int column, std::string& out) {
  out.assign(ColumnText(s, column));
}

// The amount as text in general form (12.5, 100). A text that another program stored in
// the column is kept as it is; the totals then report it as no number.
void ReadAmount(sqlite3_stmt* s, int column, std::string& out) {
  switch (sqlite3_column_type(s, column)) {
    case SQLITE_NULL:
      throw NullConversion("String");
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
      out = FormatGeneral(sqlite3_column_double(s, column));
      break;
    default:
      out.assign(ColumnText(s, column));
  }
}

EntryFlow ReadFlow(sqlite3_stmt* s, int column) {
  const int type = sqlite3_column_type(s, column);
  if (type == SQLITE_NULL) throw NullConversion("Integer");
  if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
    const double value = std::round(sqlite3_column_double(s, column));
    if (value >= INT_MIN && value <= INT_MAX) return static_cast<EntryFlow>(static_cast<int>(value));
    throw Error("Could not convert variant of type (Double) into type (Integer)");
  }
  try {
    const std::int64_t value = EntryKeyFromText(ColumnText(s, column));
    if (value >= INT_MIN && value <= INT_MAX) return static_cast<EntryFlow>(static_cast<int>(value));
  } catch (const Error&) {
  }
  throw Error("Could not convert variant of type (String) into type (Integer)");
}

EntryColumns FindColumns(sqlite3_stmt* s, const std::string& path) {
  EntryColumns columns;
  const struct {
    const char* name;
    int EntryColumns::*field;
  } wanted[] = {{"MoneyLogID", &EntryColumns::key},      {"MoneyLogTime", &EntryColumns::time},
                {"MoneyLogFlow", &EntryColumns::flow},   {"IncomeType", &EntryColumns::incomeType},
                {"OutgoType", &EntryColumns::outgoType}, {"MoneyLogNote", &EntryColumns::note},
                {"MoneyLogMoney", &EntryColumns::money}};
  const int count = sqlite3_column_count(s);
  for (const auto& w : wanted) {
    for (int i = 0; i < count && columns.*w.field < 0; ++i) {
      if (sqlite3_stricmp(sqlite3_column_name(s, i), w.name) == 0) columns.*w.field = i;
    }
    if (columns.*w.field < 0) {
      throw Error(Format("Ledger database '%s': the query has no column %s", {path, w.name}));
    }
  }
  return columns;
}

void ReadEntryAmount(sqlite3_stmt* s, const EntryColumns& c, LedgerEntry& entry) {
  ReadText(s, c.time, entry.time);
  entry.flow = ReadFlow(s, c.flow);
  ReadAmount(s, c.money, entry.amount);
}

void ReadEntry(sqlite3_stmt* s, const EntryColumns& c, LedgerEntry& entry) {
  // The order of the conversions decides which error a row with several Nulls gives.
  ReadText(s, c.key, entry.key);
  ReadText(s, c.time, entry.time);
  entry.flow = ReadFlow(s, c.flow);
  ReadAmount(s, c.money, entry.amount);
  ReadText(s, c.note, entry.note);
  if (entry.flow == EntryFlow::Outgo) {
    ReadCategory(s, c.outgoType, entry.category);
  } else if (entry.flow == EntryFlow::Income) {
    ReadCategory(s, c.incomeType, entry.category);
  } else {
    entry.category.clear();
  }
}

}  // namespace

struct LedgerStore::Connection {
  // Declared before the statements, so it is closed after they are finalized.
  SqliteDatabase db;
  int busyTimeoutMs = 0;
  std::unordered_map<std::string, std::unique_ptr<CachedStatement>> statements;
};

namespace {

// A prepared statement lent out for one run: bound on the way in, reset and unbound on
// the way out, whatever happens in between. A statement still running (a visitor that
// runs another statement with the same text) is not lent twice.
class StatementLease {
 public:
  StatementLease(sqlite3* db, const std::string& path,
                 std::unordered_map<std::string, std::unique_ptr<CachedStatement>>& cache,
                 const LedgerStatement& statement)
      : db_(db), path_(path) {
    auto found = cache.find(statement.text);
    if (found != cache.end() && !found->second->inUse) {
      cached_ = found->second.get();
    } else if (found == cache.end()) {
      if (cache.size() >= kMaxCachedStatements) Evict(cache);
      auto fresh = std::make_unique<CachedStatement>();
      fresh->statement = PrepareLedgerSql(db, path, statement.text, true);
      cached_ = cache.emplace(statement.text, std::move(fresh)).first->second.get();
    } else {
      own_.statement = PrepareLedgerSql(db, path, statement.text);
      cached_ = &own_;
    }
    cached_->inUse = true;
    Bind(statement);
  }
  ~StatementLease() {
    if (sqlite3_stmt* s = Get()) {
      sqlite3_reset(s);
      sqlite3_clear_bindings(s);
    }
    cached_->inUse = false;
  }
  StatementLease(const StatementLease&) = delete;
  StatementLease& operator=(const StatementLease&) = delete;

  sqlite3_stmt* Get() const { return cached_->statement.get(); }
  CachedStatement& Cached() const { return *cached_; }

 private:
  sqlite3* db_;
  const std::string& path_;
  CachedStatement* cached_ = nullptr;
  CachedStatement own_;

  static void Evict(std::unordered_map<std::string, std::unique_ptr<CachedStatement>>& cache) {
    std::erase_if(cache, [](const auto& item) { return !item.second->inUse; });
  }

  void Bind(const LedgerStatement& statement) {
    sqlite3_stmt* s = Get();
    const int expected = s == nullptr ? 0 : sqlite3_bind_parameter_count(s);
    if (expected != static_cast<int>(statement.values.size())) {
      throw Error(Format("Ledger statement '%s' takes %d values, not %d",
                         {statement.text, expected, static_cast<int>(statement.values.size())}));
    }
    for (int i = 0; i < expected; ++i) {
      const LedgerValue& value = statement.values[static_cast<std::size_t>(i)];
      int rc = SQLITE_OK;
      if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        rc = sqlite3_bind_int64(s, i + 1, *integer);
      } else if (const auto* number = std::get_if<double>(&value)) {
        rc = sqlite3_bind_double(s, i + 1, *number);
      } else if (const auto* text = std::get_if<std::string>(&value)) {
        // The statement's values outlive the run, so SQLite need not copy them.
        rc = sqlite3_bind_text64(s, i + 1, text->data(), text->size(), SQLITE_STATIC, SQLITE_UTF8);
      } else {
        rc = sqlite3_bind_null(s, i + 1);
      }
      if (rc != SQLITE_OK) throw LedgerError(path_, rc, db_);
    }
  }
};

}  // namespace

LedgerStore::LedgerStore() = default;
LedgerStore::~LedgerStore() = default;

void LedgerStore::ConnectLedger(const std::string& path, std::chrono::milliseconds busyTimeout) {
  DisconnectLedger();
  path_ = path;
  // Checked first: SQLite's own failure for a missing file does not say which it is, and
  // opening without SQLITE_OPEN_CREATE guarantees that nothing is created.
  if (!LedgerFileExists(path)) throw Error(Format("Ledger database '%s' does not exist", {path}));
  auto connection = std::make_unique<Connection>();
  connection->db = OpenLedgerDatabase(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_EXRESCODE);
  sqlite3* db = connection->db.get();
  // SQLite falls back to read-only when the file is write-protected; the ledger must be
  // writable, so that is an error now rather than at the first change.
  if (sqlite3_db_readonly(db, "main") == 1) throw LedgerError(path, SQLITE_READONLY, db);
  connection->busyTimeoutMs = static_cast<int>(busyTimeout.count());
  sqlite3_busy_timeout(db, connection->busyTimeoutMs);
  {
    // Reading the schema decrypts the first page: a wrong key or a file that is no
    // database fails here, and a database without the ledger table is refused.
    SqliteStatement check = PrepareLedgerSql(
        db, path, "SELECT 1 FROM sqlite_master WHERE type='table' AND name='moneyLog' COLLATE NOCASE");
    const int rc = sqlite3_step(check.get());
    if (rc == SQLITE_DONE) {
      throw Error(Format("Ledger database '%s' holds no ledger (the table moneyLog is missing)", {path}));
    }
    if (rc != SQLITE_ROW) throw LedgerError(path, rc, db);
  }
  ExecuteLedgerSql(db, path, "PRAGMA synchronous=FULL");
  // Decrypted pages stay in memory between queries (grown only as pages are read), so
  // querying again, switching periods or views, reads no page twice while the file is
  // unchanged.
  const std::string cacheSize = "PRAGMA cache_size=-" + std::to_string(kLedgerPageCacheBytes / 1024);
  ExecuteLedgerSql(db, path, cacheSize.c_str());
  connection_ = std::move(connection);
}

void LedgerStore::DisconnectLedger() {
  connection_.reset();
}

bool LedgerStore::Connected() const {
  return connection_ != nullptr;
}

LedgerStore::Connection& LedgerStore::Open() {
  if (!connection_) {
    if (path_.empty()) throw Error("The ledger database is not open");
    throw Error(Format("Ledger database '%s' is not open", {path_}));
  }
  return *connection_;
}

int LedgerStore::ExecuteLedgerCommand(const LedgerStatement& statement) {
  Connection& connection = Open();
  sqlite3* db = connection.db.get();
  StatementLease lease(db, path_, connection.statements, statement);
  if (lease.Get() == nullptr) return 0;  // only blanks or a comment
  int rc;
  while ((rc = sqlite3_step(lease.Get())) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) throw LedgerError(path_, rc, db);
  const int changed = sqlite3_changes(db);
  // Inside a transaction the change counts only once it is committed.
  if (changed > 0 && sqlite3_get_autocommit(db) && OnChanged) OnChanged();
  return changed;
}

std::int64_t LedgerStore::ExecuteLedgerCommands(const std::vector<LedgerStatement>& statements) {
  sqlite3* db = Open().db.get();
  ExecuteLedgerSql(db, path_, "BEGIN IMMEDIATE");
  std::int64_t changed = 0;
  try {
    for (const LedgerStatement& statement : statements) changed += ExecuteLedgerCommand(statement);
    ExecuteLedgerSql(db, path_, "COMMIT");
  } catch (...) {
    // A failed statement may have ended the transaction itself already.
    if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
  if (changed > 0 && OnChanged) OnChanged();
  return changed;
}

std::int64_t LedgerStore::LastInsertKey() const {
  return connection_ ? sqlite3_last_insert_rowid(connection_->db.get()) : 0;
}

void LedgerStore::LoadEntries(const LedgerStatement& query, const EntryVisitor& visit) {
  LoadRows(query, visit, false);
}

void LedgerStore::LoadEntryAmounts(const LedgerStatement& query, const EntryVisitor& visit) {
  LoadRows(query, visit, true);
}

void LedgerStore::LoadRows(const LedgerStatement& query, const EntryVisitor& visit, bool amountsOnly) {
  Connection& connection = Open();
  sqlite3* db = connection.db.get();
  StatementLease lease(db, path_, connection.statements, query);
  sqlite3_stmt* s = lease.Get();
  if (s == nullptr) return;
  CachedStatement& cached = lease.Cached();
  if (!cached.columnsKnown) {
    cached.columns = FindColumns(s, path_);
    cached.columnsKnown = true;
  }
  LedgerEntry entry;
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    if (amountsOnly) {
      ReadEntryAmount(s, cached.columns, entry);
    } else {
      ReadEntry(s, cached.columns, entry);
    }
    visit(entry);
  }
  if (rc != SQLITE_DONE) throw LedgerError(path_, rc, db);
}

std::vector<LedgerEntry> LedgerStore::LoadEntries(const LedgerStatement& query) {
  std::vector<LedgerEntry> entries;
  LoadEntries(query, [&entries](const LedgerEntry& entry) { entries.push_back(entry); });
  return entries;
}

std::optional<std::vector<LedgerValue>> LedgerStore::QueryRow(const LedgerStatement& query, bool waitForLock) {
  Connection& connection = Open();
  sqlite3* db = connection.db.get();
  // Puts the connection's waiting time back however the query ends; declared before the
  // lease, so the statement has been reset (its lock released) by then.
  struct WaitAgain {
    sqlite3* db;
    int milliseconds;
    ~WaitAgain() {
      if (db != nullptr) sqlite3_busy_timeout(db, milliseconds);
    }
  } waitAgain{waitForLock ? nullptr : db, connection.busyTimeoutMs};
  if (!waitForLock) sqlite3_busy_timeout(db, 0);
  StatementLease lease(db, path_, connection.statements, query);
  sqlite3_stmt* s = lease.Get();
  if (s == nullptr) return std::nullopt;
  const int rc = sqlite3_step(s);
  if (rc == SQLITE_DONE) return std::nullopt;
  if (rc != SQLITE_ROW) throw LedgerError(path_, rc, db);
  std::vector<LedgerValue> values;
  const int count = sqlite3_column_count(s);
  values.reserve(static_cast<std::size_t>(count));
  for (int column = 0; column < count; ++column) {
    switch (sqlite3_column_type(s, column)) {
      case SQLITE_NULL:
        values.emplace_back(nullptr);
        break;
      case SQLITE_INTEGER:
        values.emplace_back(static_cast<std::int64_t>(sqlite3_column_int64(s, column)));
        break;
      case SQLITE_FLOAT:
        values.emplace_back(sqlite3_column_double(s, column));
        break;
      default:
        values.emplace_back(std::string(ColumnText(s, column)));
    }
  }
  return values;
}

LedgerCacheUse LedgerStore::CacheUse() const {
  LedgerCacheUse use;
  if (!connection_) return use;
  sqlite3* db = connection_->db.get();
  int current = 0, highest = 0;
  if (sqlite3_db_status(db, SQLITE_DBSTATUS_CACHE_USED, &current, &highest, 0) == SQLITE_OK) use.bytes = current;
  if (sqlite3_db_status(db, SQLITE_DBSTATUS_CACHE_HIT, &current, &highest, 0) == SQLITE_OK) use.hits = current;
  if (sqlite3_db_status(db, SQLITE_DBSTATUS_CACHE_MISS, &current, &highest, 0) == SQLITE_OK) use.misses = current;
  return use;
}

void CreateLedger(const std::string& path) {
  if (LedgerFileExists(path)) {
    throw Error(Format("Ledger database '%s' already exists; it was left as it is", {path}));
  }
  const std::filesystem::path folder = LedgerFilePath(path).parent_path();
  std::error_code ignored;
  if (!folder.empty() && !std::filesystem::is_directory(folder, ignored)) {
    throw Error(Format("Ledger database '%s' cannot be created: its folder does not exist", {path}));
  }
  try {
    SqliteDatabase db =
        OpenLedgerDatabase(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXRESCODE);
    ExecuteLedgerSql(db.get(), path, "PRAGMA synchronous=FULL");
    // Every page read costs a system call, which under Wine costs more than decrypting the
    // page: 16 KiB pages read a million entries about 2.5 times faster there than 4 KiB
    // ones. The page size is in the file's header, so ledgers of either size open alike.
    ExecuteLedgerSql(db.get(), path, "PRAGMA page_size=16384");
    ExecuteLedgerSql(db.get(), path,
                     "BEGIN;"
                     "CREATE TABLE moneyLog("
                     "MoneyLogID INTEGER PRIMARY KEY AUTOINCREMENT,"
                     "MoneyLogTime TEXT,"
                     "MoneyLogFlow INTEGER,"
                     "IncomeType TEXT,"
                     "OutgoType TEXT,"
                     "MoneyLogNote TEXT,"
                     "MoneyLogMoney REAL,"
                     "MoneyCurrency TEXT);"
                     // The period query reads every column of a time range. An index holding
                     // all of them answers it from consecutive pages; a plain time index
                     // would fetch rows scattered over the whole (encrypted) file.
                     "CREATE INDEX moneyLogTimeIndex ON moneyLog(MoneyLogTime,MoneyLogFlow,IncomeType,"
                     "OutgoType,MoneyLogNote,MoneyLogMoney,MoneyCurrency);"
                     "COMMIT;");
  } catch (...) {
    // Only a file this call made is removed; an existing one was refused above.
    std::filesystem::remove(LedgerFilePath(path), ignored);
    throw;
  }
}

}  // namespace zentavo
