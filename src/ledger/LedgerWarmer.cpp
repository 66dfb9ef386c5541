#include "ledger/LedgerWarmer.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>

#include "ledger/LedgerStore.h"

namespace zentavo {
namespace {

// A slice walks the next rows of the time index in index order and keeps only their count
// and last time: stepping it reads every page of the index that a period query reads,
// and nothing else. The upper bound (every text is below the empty blob) keeps the walk on
// texts, so the time the next slice starts at is bound back with the type it was read in.
constexpr std::string_view kSliceFrom =
    "Select max(MoneyLogTime),count(*) From (Select MoneyLogTime From MoneyLog "
    "Where MoneyLogTime>=? and MoneyLogTime<x'' Order By MoneyLogTime Limit ?)";
constexpr std::string_view kSliceAfter =
    "Select max(MoneyLogTime),count(*) From (Select MoneyLogTime From MoneyLog "
    "Where MoneyLogTime>? and MoneyLogTime<x'' Order By MoneyLogTime Limit ?)";

// Rows of the first slice, and the bounds of later ones: small enough that a slice of
// pages that all miss the cache stays short, large enough that a slice over cached pages
// is not mostly the cost of starting a statement.
constexpr std::int64_t kFirstSliceRows = 512;
constexpr std::int64_t kMinSliceRows = 64;
constexpr std::int64_t kMaxSliceRows = 65536;

// The most the connection's page cache may hold, in bytes: its size is set in pages, or
// in KiB when negative.
std::int64_t CacheLimitBytes(LedgerStore& store) {
  auto number = [&store](const char* pragma) -> std::int64_t {
    const auto row = store.QueryRow({pragma, {}}, false);
    const auto* value = row && !row->empty() ? std::get_if<std::int64_t>(&row->front()) : nullptr;
    return value != nullptr ? *value : 0;
  };
  const std::int64_t size = number("PRAGMA cache_size");
  return size < 0 ? -size * 1024 : size * number("PRAGMA page_size");
}

}  // namespace

LedgerWarmer::LedgerWarmer(LedgerStore& store) : store_(store), sliceRows_(kFirstSliceRows) {}

bool LedgerWarmer::Step(std::chrono::microseconds budget) {
  if (finished_) return false;
  if (!store_.Connected()) {
    finished_ = true;
    return false;
  }
  const auto start = std::chrono::steady_clock::now();
  std::optional<std::vector<LedgerValue>> row;
  try {
    // Reading on once the cache is nearly full would only push out the pages read first:
    // a ledger whose index does not fit is read by its queries as before.
    if (cacheFullBytes_ < 0) cacheFullBytes_ = CacheLimitBytes(store_) / 10 * 9;
    if (store_.CacheUse().bytes >= cacheFullBytes_) {
      finished_ = true;
      return false;
    }
    // A locked file ends the warming at once instead of holding the window for the lock's
    // waiting time.
    row = store_.QueryRow({std::string(after_ ? kSliceAfter : kSliceFrom), {from_, sliceRows_}}, false);
  } catch (const std::exception&) {
    finished_ = true;
    return false;
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  const auto* last = row ? std::get_if<std::string>(&(*row)[0]) : nullptr;
  const auto* count = row ? std::get_if<std::int64_t>(&(*row)[1]) : nullptr;
  if (last == nullptr || count == nullptr || *count < sliceRows_) {
    finished_ = true;  // the walk reached the end of the index
    return false;
  }
  // A slice that never left the time it started at is inside a run of one time longer
  // than a slice: the next one starts after it, which leaves the rest of the run unread
  // but always moves on.
  after_ = *last == from_;
  from_ = *last;

  const double ratio =
      std::clamp(static_cast<double>(budget.count()) /
                     std::max<double>(1.0, std::chrono::duration<double, std::micro>(elapsed).count()),
                 0.25, 4.0);
  sliceRows_ = std::clamp(static_cast<std::int64_t>(static_cast<double>(sliceRows_) * ratio), kMinSliceRows,
                          kMaxSliceRows);
  return true;
}

}  // namespace zentavo
