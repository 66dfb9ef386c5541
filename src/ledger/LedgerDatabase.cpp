#include "ledger/LedgerDatabase.h"

#include <sqlite3.h>

#include <system_error>

#include "core/Format.h"

namespace zentavo {
namespace {

// The cipher parameters are set as the connection's defaults ("default:" prefix): plain
// values are transient in SQLite3 Multiple Ciphers and fall back after the next key.
void ConfigureCipher(sqlite3* db, const std::string& path) {
  const bool ok = sqlite3mc_config(db, "default:cipher", CODEC_TYPE_CHACHA20) == CODEC_TYPE_CHACHA20 &&
                  sqlite3mc_config_cipher(db, "chacha20", "default:kdf_iter", 64007) == 64007 &&
                  sqlite3mc_config_cipher(db, "chacha20", "default:legacy", 0) == 0 &&
                  sqlite3mc_config_cipher(db, "chacha20", "default:legacy_page_size", 4096) == 4096;
  if (!ok) throw Error(Format("Ledger database '%s': the encryption could not be set up", {path}));
}

}  // namespace

void SqliteDatabaseCloser::operator()(sqlite3* db) const {
  sqlite3_close_v2(db);
}

void SqliteStatementFinalizer::operator()(sqlite3_stmt* statement) const {
  sqlite3_finalize(statement);
}

std::filesystem::path LedgerFilePath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool LedgerFileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(LedgerFilePath(path), error);
}

SqliteDatabase OpenLedgerDatabase(const std::string& path, int flags, std::string_view key) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
  SqliteDatabase db(raw);  // SQLite hands out a handle even on failure; it must be closed
  if (rc != SQLITE_OK) throw LedgerError(path, rc, db.get());
  ConfigureCipher(db.get(), path);
  const int keyRc = sqlite3_key(db.get(), key.data(), static_cast<int>(key.size()));
  if (keyRc != SQLITE_OK) throw LedgerError(path, keyRc, db.get());
  return db;
}

Error LedgerError(const std::string& path, int resultCode, sqlite3* db) {
  const std::string detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode);
  switch (resultCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return Error(Format("Ledger database '%s' is locked by another program; try again later", {path}));
    case SQLITE_READONLY:
      return Error(Format("Ledger database '%s' is read-only; it cannot be changed", {path}));
    case SQLITE_NOTADB:
      return Error(
          Format("Ledger database '%s' cannot be read: wrong password, or not a ledger database", {path}));
    case SQLITE_CORRUPT:
      return Error(Format("Ledger database '%s' is damaged (%s)", {path, detail}));
    case SQLITE_FULL:
      return Error(Format("Ledger database '%s' cannot be written: the disk is full", {path}));
    case SQLITE_CANTOPEN:
      if (!LedgerFileExists(path)) return Error(Format("Ledger database '%s' does not exist", {path}));
      return Error(Format("Ledger database '%s' cannot be opened (%s)", {path, detail}));
    default:
      return Error(Format("Ledger database '%s': %s", {path, detail}));
  }
}

void ExecuteLedgerSql(sqlite3* db, const std::string& path, const char* sql) {
  const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) throw LedgerError(path, rc, db);
}

SqliteStatement PrepareLedgerSql(sqlite3* db, const std::string& path, std::string_view sql,
                                 bool persistent) {
  sqlite3_stmt* raw = nullptr;
  const int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                    persistent ? SQLITE_PREPARE_PERSISTENT : 0, &raw, nullptr);
  SqliteStatement statement(raw);
  if (rc != SQLITE_OK) throw LedgerError(path, rc, db);
  return statement;
}

}  // namespace zentavo
