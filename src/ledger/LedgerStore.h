#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ledger/LedgerEntry.h"
#include "ledger/LedgerStatement.h"

namespace zentavo {

// How long a statement waits for a ledger file that another program holds locked before
// it fails with a clear "is locked" error.
inline constexpr std::chrono::milliseconds kLedgerBusyTimeout{2000};

// The most memory the connection keeps decrypted pages in. A million entries take about
// 110 MiB of file, of which a period query reads the time index, about 57 MiB.
inline constexpr std::int64_t kLedgerPageCacheBytes = 128 * 1024 * 1024;

// The connection's page cache: bytes it holds, and page lookups since the connection was
// opened that found the page in memory or had to read (and decrypt) it from the file.
struct LedgerCacheUse {
  std::int64_t bytes = 0;
  std::int64_t hits = 0;
  std::int64_t misses = 0;
};

// The one connection to the ledger database (owned by the main window; ledgertool has its
// own). Every statement commits before it returns. Not copyable: it owns the connection.
class LedgerStore {
 public:
  using EntryVisitor = std::function<void(const LedgerEntry&)>;

  LedgerStore();
  ~LedgerStore();
  LedgerStore(const LedgerStore&) = delete;
  LedgerStore& operator=(const LedgerStore&) = delete;

  // Closes any open connection, then opens the existing ledger at `path` (UTF-8) read-write
  // with the ledger's key. Never creates the file. The key is checked right away by reading
  // the schema, so a missing file, a wrong key, a file that is no ledger, a read-only or a
  // locked file each fail here with an error naming the file; the store is then closed.
  void ConnectLedger(const std::string& path, std::chrono::milliseconds busyTimeout = kLedgerBusyTimeout);
  void DisconnectLedger();
  bool Connected() const;
  // The file of the open connection, or of the last attempt.
  const std::string& Path() const { return path_; }

  // Told after a statement or a transaction changed rows (the program's own copies of the
  // ledger follow its first change).
  std::function<void()> OnChanged;

  // Runs one statement that returns no rows (an insert, change or delete). Returns the
  // number of rows it changed, which the windows do not need.
  int ExecuteLedgerCommand(const LedgerStatement& statement);
  // Runs the statements in one transaction: all of them are stored, or (when any fails)
  // none. Returns the number of rows they changed together.
  std::int64_t ExecuteLedgerCommands(const std::vector<LedgerStatement>& statements);
  // The key of the row the last insert on this connection made.
  std::int64_t LastInsertKey() const;

  // Runs a query and hands every row as a LedgerEntry to `visit`, in the database's order.
  // The same entry object is reused for each row (no copy per row); copy what you keep. A
  // Null in time, note or amount fails with "Could not convert variant of type (Null) into
  // type (String)", a Null flow with "... into type (Integer)"; rows before it were
  // already visited.
  void LoadEntries(const LedgerStatement& query, const EntryVisitor& visit);
  // The same, reading only the time, flow and amount of each row (the other fields stay
  // empty) for readers that use no more, such as the day sums of the statistics.
  void LoadEntryAmounts(const LedgerStatement& query, const EntryVisitor& visit);
  // The same, collected.
  std::vector<LedgerEntry> LoadEntries(const LedgerStatement& query);

  // Runs a query for its first row, as plain values (a blob as text), or nothing when it
  // gives no row. With `waitForLock` false a file that another program holds locked fails
  // at once instead of after the busy timeout.
  std::optional<std::vector<LedgerValue>> QueryRow(const LedgerStatement& query, bool waitForLock = true);

  // Zero while no connection is open.
  LedgerCacheUse CacheUse() const;

 private:
  struct Connection;
  std::string path_;
  std::unique_ptr<Connection> connection_;

  Connection& Open();
  void LoadRows(const LedgerStatement& query, const EntryVisitor& visit, bool amountsOnly);
};

// Makes an empty ledger at `path`: the encrypted database with the table moneyLog and an
// index on MoneyLogTime, so that a period query reads only its period. Refuses to touch a
// file that already exists. Only ledgertool and the distribution make ledgers; the program
// never does.
void CreateLedger(const std::string& path);

}  // namespace zentavo
