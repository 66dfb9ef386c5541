// Times the main window over a ledger of a million entries spread over ten years: the
// "all" period from the start of the query to a painted list with its totals, the first
// one after a start (with and without the warming of the ledger in idle time) beside the
// later ones, and the current month.
#include <sqlite3.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchLedger.h"
#include "app/win/CommonForm.h"
#include "core/Period.h"
#include "framework/win/Application.h"
#include "ledger/EntryList.h"
#include "ledger/LedgerDatabase.h"
#include "ledger/win/MainForm.h"

using namespace zentavo;
using namespace zentavo::bench;

namespace {

// Paints what the query made invalid (the list and the totals), as the message loop would
// next, and waits for it.
void Paint(TfrmMain& main) {
  RedrawWindow(main.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
}

// The "all" period from the press of the preset to the painted list.
double QueryAll(TfrmMain& main) {
  const auto start = Clock::now();
  main.comboBoxTime.SetItemIndex(7);
  main.SetPeriodPreset(7);
  main.actionQuery.Execute();
  Paint(main);
  return Milliseconds(start);
}

// Reads the whole file as SQLite does, one 16 KiB page a call, without decrypting: the part
// of a cold query that is the system's.
double ReadFileAlone(const std::string& path, long long& bytes) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  std::vector<char> page(16384);
  const auto start = Clock::now();
  bytes = 0;
  DWORD got = 0;
  OVERLAPPED at{};
  while (true) {
    at.Offset = static_cast<DWORD>(bytes);
    at.OffsetHigh = static_cast<DWORD>(bytes >> 32);
    if (!::ReadFile(file, page.data(), static_cast<DWORD>(page.size()), &got, &at) || got == 0) break;
    bytes += got;
  }
  const double took = Milliseconds(start);
  ::CloseHandle(file);
  return took;
}

enum class Warming { Off, UntilDone, For250Ms };

// One start of the main window: shown with its current month painted, then idle as the
// message loop would be while the user looks at it (the warming runs there when on), then
// the "all" period three times.
void StartAndQueryAll(TfrmCommon& common, Warming warming) {
  TfrmMain main(nullptr, common);
  main.Now = [] { return EncodeDateTime(2024, 12, 15, 12, 0, 0); };
  main.WarmLedgerWhenIdle = warming != Warming::Off;
  main.Show();
  Paint(main);
  const auto painted = Clock::now();
  double idle = 0;
  if (warming == Warming::UntilDone) {
    Application().ProcessMessagesUntil([&] { return !main.WarmingLedger(); }, 60000);
    idle = Milliseconds(painted);
  } else if (warming == Warming::For250Ms) {
    Application().ProcessMessagesUntil([] { return false; }, 250);
    idle = Milliseconds(painted);
  }
  const LedgerCacheUse before = main.Ledger().CacheUse();
  const double first = QueryAll(main);
  const LedgerCacheUse after = main.Ledger().CacheUse();
  const double second = QueryAll(main);
  const double third = QueryAll(main);
  const char* what = warming == Warming::Off         ? "no warming"
                     : warming == Warming::UntilDone ? "warming until it ends"
                                                     : "warming for 250 ms";
  std::printf(
      "start, %-21s idle %5.0f ms, %3lld MiB cached: first all %5.0f ms, later %5.0f %5.0f ms "
      "(first read %lld pages from the file)\n",
      what, idle, static_cast<long long>(before.bytes >> 20), first, second, third,
      static_cast<long long>(after.misses - before.misses));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = bench::BenchFolder(argc > 1 ? std::atoi(argv[1]) : 1000000);
  const std::string ledger = folder + "money.mdb";
  const Period all{EncodeDateTime(1900, 1, 1), EncodeDateTime(3000, 1, 1)};
  for (int run = 0; run < 2; ++run) {
    // The floor: stepping the period query and reading every column in its own type.
    SqliteDatabase db = OpenLedgerDatabase(ledger, SQLITE_OPEN_READONLY);
    LedgerStatement query = PeriodQuery(all);
    sqlite3_stmt* raw = nullptr;
    auto start = Clock::now();
    sqlite3_prepare_v2(db.get(), query.text.c_str(), -1, &raw, nullptr);
    SqliteStatement statement(raw);
    for (int i = 0; i < 2; ++i)
      sqlite3_bind_text(raw, i + 1, std::get<std::string>(query.values[i]).c_str(), -1, SQLITE_TRANSIENT);
    long long rows = 0, bytes = 0;
    while (sqlite3_step(raw) == SQLITE_ROW) {
      ++rows;
      for (int column = 0; column < 8; ++column) {
        switch (sqlite3_column_type(raw, column)) {
          case SQLITE_INTEGER: bytes += sqlite3_column_int64(raw, column) & 1; break;
          case SQLITE_FLOAT: bytes += sqlite3_column_double(raw, column) > 0; break;
          case SQLITE_NULL: break;
          default: bytes += sqlite3_column_bytes(raw, column);
        }
      }
    }
    std::printf("raw scan: %lld rows (%lld bytes) in %.0f ms\n", rows, bytes, Milliseconds(start));
  }
  {
    LedgerStore store;
    store.ConnectLedger(ledger);
    auto start = Clock::now();
    long long rows = 0;
    store.LoadEntries(PeriodQuery(all), [&](const LedgerEntry&) { ++rows; });
    std::printf("store: %lld entries converted in %.0f ms\n", rows, Milliseconds(start));
    EntryList list;
    {
      const LedgerEntry sample{"123456", "2024-03-05 10:00:00", EntryFlow::Outgo, "Food", "12.5", "lunch"};
      start = Clock::now();
      for (int i = 0; i < 1000000; ++i) list.Append(sample);
      std::printf("list: 1000000 rows kept in %.0f ms\n", Milliseconds(start));
      list.Clear();
    }
    start = Clock::now();
    store.LoadEntries(PeriodQuery(all), [&](const LedgerEntry& entry) { list.Append(entry); });
    std::printf("store: entries converted and kept in %.0f ms\n", Milliseconds(start));
    start = Clock::now();
    list.Sort();
    std::printf("store: %d rows sorted in %.0f ms\n", list.Count(), Milliseconds(start));
    start = Clock::now();
    list.SetFlowTexts("Income", "Outgo");
    LedgerTotals totals = list.Totals();
    std::printf("store: totals in %.0f ms (%s)\n", Milliseconds(start), TotalsLine(totals).c_str());
  }
  {
    // Why the first query after a start is slower: every page it needs is read from the
    // file and decrypted once, into the connection's page cache.
    long long bytes = 0;
    const double read = ReadFileAlone(ledger, bytes);
    LedgerStore store;
    store.ConnectLedger(ledger);
    auto start = Clock::now();
    store.LoadEntries(PeriodQuery(all), [](const LedgerEntry&) {});
    const double cold = Milliseconds(start);
    const LedgerCacheUse use = store.CacheUse();
    start = Clock::now();
    store.LoadEntries(PeriodQuery(all), [](const LedgerEntry&) {});
    const double warm = Milliseconds(start);
    std::printf("file of %lld MiB read alone in %.0f ms; all period on a fresh connection %.0f ms (%lld pages, "
                "%lld MiB cached), again %.0f ms (%lld pages read)\n",
                bytes >> 20, read, cold, static_cast<long long>(use.misses),
                static_cast<long long>(use.bytes >> 20), warm,
                static_cast<long long>(store.CacheUse().misses - use.misses));
  }
  Application().Initialize();
  TfrmCommon common(nullptr, folder);
  const int starts = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  for (int run = 0; run < starts; ++run) {
    for (Warming warming : {Warming::Off, Warming::UntilDone, Warming::For250Ms}) StartAndQueryAll(common, warming);
  }

  TfrmMain main(nullptr, common);
  main.Now = [] { return EncodeDateTime(2024, 12, 15, 12, 0, 0); };
  main.Show();
  Application().ProcessMessages();

  for (int run = 0; run < 3; ++run) {
    auto start = Clock::now();
    main.SetPeriodPreset(7);
    main.actionQuery.Execute();
    Paint(main);
    std::printf("all period: %d rows listed, totals and painted in %.0f ms\n", main.listViewInfo.RowCount(),
                Milliseconds(start));
  }
  for (int run = 0; run < 3; ++run) {
    auto start = Clock::now();
    main.SetPeriodPreset(3);
    main.actionQuery.Execute();
    const double queried = Milliseconds(start);
    Paint(main);
    std::printf("current month: %d rows listed, totals and painted in %.1f ms (query and totals %.1f ms)\n",
                main.listViewInfo.RowCount(), Milliseconds(start), queried);
  }
  std::printf("%s\n", main.labelTotal.Caption().c_str());
  return 0;
}
