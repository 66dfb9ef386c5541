#pragma once
#include <chrono>
#include <cstdint>
#include <string>

namespace zentavo {

class LedgerStore;

// Reads the index that period queries walk into the ledger connection's page cache, one
// short slice at a time, so that the first query over a long period finds its pages read
// and decrypted already. Each slice is one statement that has ended before Step returns:
// no transaction or lock outlives it, so a write of this program or of another goes
// through as before, and a file another program changed is re-read like for any query.
class LedgerWarmer {
 public:
  explicit LedgerWarmer(LedgerStore& store);

  // Reads one slice, sized from the slices before it to take about `budget`. Returns false
  // once there is nothing more to do: the whole index is in the cache, the cache is nearly
  // full (reading on would only push out what was read), the store is closed, or a slice
  // failed. Warming only saves time, so a failure ends it quietly; the next query of the
  // user meets the same fault and reports it.
  bool Step(std::chrono::microseconds budget);
  bool Finished() const { return finished_; }

 private:
  LedgerStore& store_;
  std::string from_;       // the time the next slice starts at
  bool after_ = false;     // start strictly after from_: a run of one time outlasted a slice
  std::int64_t sliceRows_;
  std::int64_t cacheFullBytes_ = -1;  // read from the connection at the first step
  bool finished_ = false;
};

}  // namespace zentavo
