#pragma once
// The timing harnesses' shared ledger: a million entries spread over ten years (about 3,650
// days), made once in the system's temporary folder and kept for later runs.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "core/DateTime.h"
#include "ledger/LedgerStatement.h"
#include "ledger/LedgerStore.h"

namespace zentavo::bench {

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// `count` entries at random times over the ten years up to `last`.
inline void Seed(const std::string& path, int count, TDateTime last = EncodeDateTime(2024, 12, 31, 23, 59, 59)) {
  CreateLedger(path);
  LedgerStore store;
  store.ConnectLedger(path);
  store.ExecuteLedgerCommand({"BEGIN", {}});
  std::mt19937 random(42);
  const TDateTime first = last - 3653;
  std::uniform_real_distribution<double> when(first, last);
  std::uniform_int_distribution<int> cents(1, 500000);
  for (int i = 0; i < count; ++i) {
    TDateTime at = when(random);
    std::string amount = std::to_string(cents(random) / 100) + "." + std::to_string(cents(random) % 100);
    store.ExecuteLedgerCommand(i % 3 ? AddOutgoStatement(at, at, "Food", "lunch", amount)
                                     : AddIncomeStatement(at, at, "Salary", "pay", amount));
  }
  store.ExecuteLedgerCommand({"COMMIT", {}});
}

// The program folder holding the ledger (with a trailing backslash), seeded on first use.
inline std::string BenchFolder(int count) {
  const auto root = std::filesystem::temp_directory_path() / "zentavo-main-window-bench";
  std::filesystem::create_directories(root);
  const std::string folder = root.string() + "\\";
  if (!std::filesystem::exists(folder + "money.mdb")) {
    const auto start = Clock::now();
    Seed(folder + "money.mdb", count);
    std::printf("seeded %d entries in %.0f ms\n", count, Milliseconds(start));
  }
  return folder;
}

}  // namespace zentavo::bench
