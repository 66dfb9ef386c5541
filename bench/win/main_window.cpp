// Times the main window over a ledger of a million entries spread over ten years: the
// "all" period from the start of the query to a painted list with its totals, and the
// current month.
#include <sqlite3.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

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
  Application().Initialize();
  TfrmCommon common(nullptr, folder);
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
