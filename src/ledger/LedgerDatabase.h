#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/Error.h"

struct sqlite3;
struct sqlite3_stmt;

namespace zentavo {

// The database password of the ledger, used as the encryption key.
inline constexpr std::string_view kLedgerPassword = "qovim482";

// Owning SQLite handles; closing a database finalizes nothing by itself, so statements
// must be released first (declare them after the database they belong to).
struct SqliteDatabaseCloser {
  void operator()(sqlite3* db) const;
};
struct SqliteStatementFinalizer {
  void operator()(sqlite3_stmt* statement) const;
};
using SqliteDatabase = std::unique_ptr<sqlite3, SqliteDatabaseCloser>;
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteStatementFinalizer>;

// Opens `path` (UTF-8) with SQLite open `flags` and applies the ledger's cipher and `key`.
// The cipher is fixed here, not left to the library's default, so that a library update
// cannot change the file format: ChaCha20-Poly1305 (sqleet layout, not legacy), PBKDF2
// with 64007 iterations. Nothing is read yet, so a wrong key shows at the first read.
SqliteDatabase OpenLedgerDatabase(const std::string& path, int flags, std::string_view key = kLedgerPassword);

// The error for a failed SQLite call on the ledger file: a clear English text naming the
// file for the failures a user can meet (missing, locked, read-only, wrong password or not
// a ledger, damaged, disk full), SQLite's own text otherwise.
Error LedgerError(const std::string& path, int resultCode, sqlite3* db);

// Runs SQL that takes no parameters (pragmas, schema, transactions); throws LedgerError.
void ExecuteLedgerSql(sqlite3* db, const std::string& path, const char* sql);

// Prepares one statement; throws LedgerError.
SqliteStatement PrepareLedgerSql(sqlite3* db, const std::string& path, std::string_view sql,
                                 bool persistent = false);

// A UTF-8 file name as a path, on every system (MinGW would read a narrow string in the
// ANSI code page).
std::filesystem::path LedgerFilePath(const std::string& utf8);
bool LedgerFileExists(const std::string& path);

}  // namespace zentavo
