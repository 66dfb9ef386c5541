#include "LedgerTool.h"

#include <charconv>
#include <map>
#include <optional>
#include <ostream>
#include <string_view>

#include "core/Error.h"
#include "core/Format.h"
#include "core/Number.h"
#include "core/Period.h"
#include "ledger/EntryList.h"
#include "ledger/LedgerBackup.h"
#include "ledger/LedgerCsv.h"
#include "ledger/LedgerDatabase.h"
#include "ledger/LedgerStore.h"
#include "ledger/LedgerTotals.h"
#include "report/DayTable.h"

namespace zentavo {
namespace {

constexpr std::string_view kUsage =
    "usage:\n"
    "  ledgertool create DB\n"
    "  ledgertool add DB income|outgo \"yyyy-mm-dd hh:nn:ss\" CATEGORY AMOUNT NOTE\n"
    "  ledgertool update DB KEY \"yyyy-mm-dd hh:nn:ss\" CATEGORY AMOUNT NOTE\n"
    "  ledgertool delete DB KEY...\n"
    "  ledgertool list DB START STOP\n"
    "  ledgertool totals DB START STOP\n"
    "  ledgertool period INDEX [--now \"yyyy-mm-dd hh:nn:ss\"] [--report]\n"
    "  ledgertool stats DB START STOP CONTENT\n"
    "  ledgertool backup DB\n"
    "  ledgertool restore BACKUP DB\n"
    "  ledgertool export DB FILE.csv [START STOP]\n"
    "  ledgertool import DB FILE.csv\n"
    "START and STOP are \"yyyy-mm-dd hh:nn:ss\" (optionally with \".zzz\"), both included.\n"
    "list prints key, time, flow (0 outgo, 1 income), category, amount and note separated\n"
    "by tabs, in the main window's order; tab, newline, carriage return and backslash in\n"
    "texts are written as \\t, \\n, \\r and \\\\.\n"
    "period prints the preset's start and stop (\"yyyy-mm-dd hh:nn:ss.zzz\", tab between);\n"
    "with --report the statistics window's presets, whose index 0 has no dates of its own\n"
    "(it keeps the dates set by hand) and is refused.\n"
    "stats prints the statistics window's points, one per day in the order the days first\n"
    "appear: day, tab, value; CONTENT 0 income minus outgo, 1 income, 2 outgo, any other\n"
    "number income minus outgo.\n"
    "backup copies DB into the folder backups beside it as money-YYYYMMDD-HHNNSS.mdb,\n"
    "checks the copy (removed again when it fails) and prints its path; older copies\n"
    "beyond the newest ten and one per month for a year are removed.\n"
    "restore checks BACKUP, copies DB into its backups folder, then puts BACKUP in DB's\n"
    "place in one step; DB is untouched when anything fails.\n"
    "export writes the entries (of the period, or all) as comma-separated text in UTF-8:\n"
    "time, flow (income/outgo), category, amount (two decimals), note.\n"
    "import checks every row of such a file first and stores all of them in one\n"
    "transaction, or none: a bad row is reported as \"line N: reason\". It prints the\n"
    "number of entries stored.\n";

// A command line that does not match the command's form.
struct UsageError {
  std::string message;
};

struct Command {
  std::string_view name;
  const std::vector<std::string>& args;  // after the command name
  std::ostream& out;
  const std::function<TDateTime()>& now;
};

void ExpectArgs(const Command& c, std::size_t count, const char* form) {
  if (c.args.size() != count) throw UsageError{std::string(c.name) + " takes " + form};
}

// Texts of the list may hold anything the user typed; one entry stays one line.
void AppendEscaped(std::string& line, std::string_view text) {
  for (const char ch : text) {
    switch (ch) {
      case '\t':
        line += "\\t";
        break;
      case '\n':
        line += "\\n";
        break;
      case '\r':
        line += "\\r";
        break;
      case '\\':
        line += "\\\\";
        break;
      default:
        line += ch;
    }
  }
}

// The period's rows as the main window lists them. The flow column shows the flow's number,
// so the totals count a row by its flow as the window counts it by the flow's text.
EntryList SortedEntries(LedgerStore& store, const std::string& start, const std::string& stop) {
  const Period period{ParseDateTime(start), ParseDateTime(stop)};
  EntryList entries;
  entries.SetFlowTexts("1", "0");
  store.LoadEntries(PeriodQuery(period), [&entries](const LedgerEntry& entry) { entries.Append(entry); });
  entries.Sort();
  return entries;
}

int CreateCommand(const Command& c) {
  ExpectArgs(c, 1, "DB");
  CreateLedger(c.args[0]);
  return kToolSuccess;
}

int AddCommand(const Command& c) {
  ExpectArgs(c, 6, "DB income|outgo TIME CATEGORY AMOUNT NOTE");
  const std::string& flow = c.args[1];
  if (flow != "income" && flow != "outgo")
    throw UsageError{"the flow is 'income' or 'outgo', not '" + flow + "'"};
  const TDateTime when = ParseDateTime(c.args[2]);
  // Built before connecting, so that a bad amount fails without touching the file.
  const LedgerStatement insert = flow == "income"
                                     ? AddIncomeStatement(when, when, c.args[3], c.args[5], c.args[4])
                                     : AddOutgoStatement(when, when, c.args[3], c.args[5], c.args[4]);
  LedgerStore store;
  store.ConnectLedger(c.args[0]);
  store.ExecuteLedgerCommand(insert);
  c.out << store.LastInsertKey() << '\n';
  return kToolSuccess;
}

int UpdateCommand(const Command& c) {
  ExpectArgs(c, 6, "DB KEY TIME CATEGORY AMOUNT NOTE");
  const std::int64_t key = EntryKeyFromText(c.args[1]);
  const TDateTime when = ParseDateTime(c.args[2]);
  LedgerStore store;
  store.ConnectLedger(c.args[0]);
  const std::vector<LedgerEntry> found = store.LoadEntries(EntryQuery(key));
  if (found.empty()) throw Error(Format("Ledger database '%s' holds no entry %d", {c.args[0], key}));
  // The change statement of the entry's own flow: a change never turns income into outgo.
  const LedgerEntry& entry = found.front();
  const std::string &category = c.args[3], &amount = c.args[4], &note = c.args[5];
  if (entry.flow == EntryFlow::Income) {
    store.ExecuteLedgerCommand(ChangeIncomeStatement(when, when, category, note, amount, key));
  } else if (entry.flow == EntryFlow::Outgo) {
    store.ExecuteLedgerCommand(ChangeOutgoStatement(when, when, category, note, amount, key));
  } else {
    throw Error(Format("Entry %d has flow %d, neither income nor outgo; it cannot be changed",
                       {key, static_cast<int>(entry.flow)}));
  }
  return kToolSuccess;
}

// Every key is read before anything is deleted. Keys that name no entry are reported and
// make the exit code 1; the others are deleted all the same, one statement each.
int DeleteCommand(const Command& c) {
  if (c.args.size() < 2) throw UsageError{"delete takes DB KEY..."};
  std::vector<std::int64_t> keys;
  for (std::size_t i = 1; i < c.args.size(); ++i) keys.push_back(EntryKeyFromText(c.args[i]));
  LedgerStore store;
  store.ConnectLedger(c.args[0]);
  std::string missing;
  for (const std::int64_t key : keys) {
    if (store.ExecuteLedgerCommand(DeleteEntryStatement(key)) == 0) {
      missing += (missing.empty() ? "" : ", ") + std::to_string(key);
    }
  }
  if (!missing.empty()) throw Error(Format("Ledger database '%s' holds no entry %s", {c.args[0], missing}));
  return kToolSuccess;
}

int ListCommand(const Command& c) {
  ExpectArgs(c, 3, "DB START STOP");
  LedgerStore store;
  store.ConnectLedger(c.args[0]);
  const EntryList entries = SortedEntries(store, c.args[1], c.args[2]);
  // Written in large blocks: a million entries must not cost a million stream calls.
  std::string block;
  block.reserve(1 << 17);
  for (int row = 0; row < entries.Count(); ++row) {
    for (int column : {0, 1}) {
      AppendEscaped(block, entries.Text(row, column));
      block += '\t';
    }
    block += std::to_string(static_cast<int>(entries.Flow(row)));
    for (int column : {3, 4, 5}) {
      block += '\t';
      AppendEscaped(block, entries.Text(row, column));
    }
    block += '\n';
    if (block.size() >= (1 << 16)) {
      c.out.write(block.data(), static_cast<std::streamsize>(block.size()));
      block.clear();
    }
  }
  c.out.write(block.data(), static_cast<std::streamsize>(block.size()));
  return kToolSuccess;
}

int TotalsCommand(const Command& c) {
  ExpectArgs(c, 3, "DB START STOP");
  LedgerStore store;
  store.ConnectLedger(c.args[0]);
  // Summed in the list's order, as the main window sums its rows.
  c.out << TotalsLine(SortedEntries(store, c.args[1], c.args[2]).Totals()) << '\n';
  return kToolSuccess;
}

int StatsCommand(const Command& c) {
  ExpectArgs(c, 4, "DB START STOP CONTENT");
  const Period period{ParseDateTime(c.args[1]), ParseDateTime(c.args[2])};
  const int content = static_cast<int>(EntryKeyFromText(c.args[3]));
  LedgerStore store;
  store.ConnectLedger(c.args[0]);
  DayTable days;
  QueryDays(store, period, days);
  for (const DayPoint& point : DayPoints(days, content)) {
    c.out << point.label << '\t' << FormatGeneral(point.value) << '\n';
  }
  return kToolSuccess;
}

int PeriodCommand(const Command& c) {
  std::optional<int> index;
  std::optional<TDateTime> now;
  bool report = false;
  for (std::size_t i = 0; i < c.args.size(); ++i) {
    const std::string& arg = c.args[i];
    if (arg == "--report") {
      report = true;
    } else if (arg == "--now") {
      if (++i == c.args.size()) throw UsageError{"--now takes \"yyyy-mm-dd hh:nn:ss\""};
      now = ParseDateTime(c.args[i]);
    } else if (!index) {
      int value = 0;
      const auto [end, error] = std::from_chars(arg.data(), arg.data() + arg.size(), value);
      if (arg.empty() || error != std::errc() || end != arg.data() + arg.size()) {
        throw UsageError{"the period index is an integer, not '" + arg + "'"};
      }
      index = value;
    } else {
      throw UsageError{"unexpected argument '" + arg + "'"};
    }
  }
  if (!index) throw UsageError{"period takes INDEX"};
  const TDateTime at = now ? *now : c.now();
  std::optional<Period> period = report ? ReportPeriodPreset(*index, at) : MainPeriodPreset(*index, at);
  if (!period) {
    throw Error(Format("Report period %d keeps the dates set by hand; it has no dates of its own", {*index}));
  }
  c.out << FormatDateTimeMs(period->start) << '\t' << FormatDateTimeMs(period->stop) << '\n';
  return kToolSuccess;
}

// The backups folder beside a ledger file.
std::string BackupFolderOf(const std::string& ledger) {
  const std::u8string folder = (LedgerFilePath(ledger).parent_path() / "backups").u8string();
  return std::string(folder.begin(), folder.end());
}

int BackupCommand(const Command& c) {
  ExpectArgs(c, 1, "DB");
  const std::string folder = BackupFolderOf(c.args[0]);
  const std::string copy = BackupLedger(c.args[0], folder, c.now());
  PruneBackups(folder, c.now());
  c.out << copy << '\n';
  return kToolSuccess;
}

int RestoreCommand(const Command& c) {
  ExpectArgs(c, 2, "BACKUP DB");
  const std::string kept = RestoreLedger(c.args[0], c.args[1], BackupFolderOf(c.args[1]), c.now());
  if (!kept.empty()) c.out << "the replaced ledger was copied to " << kept << '\n';
  return kToolSuccess;
}

int ExportCommand(const Command& c) {
  if (c.args.size() != 2 && c.args.size() != 4) throw UsageError{"export takes DB FILE.csv [START STOP]"};
  const LedgerStatement query = c.args.size() == 4
                                    ? PeriodQuery(Period{ParseDateTime(c.args[2]), ParseDateTime(c.args[3])})
                                    : AllEntriesQuery();
  LedgerStore store;
  store.ConnectLedger(c.args[0]);
  const std::vector<LedgerEntry> entries = store.LoadEntries(query);
  store.DisconnectLedger();
  WriteLedgerCsvFile(c.args[1], LedgerCsvText(entries));
  c.out << entries.size() << '\n';
  return kToolSuccess;
}

int ImportCommand(const Command& c) {
  ExpectArgs(c, 2, "DB FILE.csv");
  // Every row is checked before the ledger is opened.
  const std::vector<LedgerStatement> inserts = LedgerCsvInserts(ReadLedgerCsvFile(c.args[1]));
  LedgerStore store;
  store.ConnectLedger(c.args[0]);
  store.ExecuteLedgerCommands(inserts);
  c.out << inserts.size() << '\n';
  return kToolSuccess;
}

}  // namespace

int RunLedgerTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const std::function<TDateTime()>& now) {
  using Handler = int (*)(const Command&);
  static const std::map<std::string_view, Handler> commands = {
      {"create", CreateCommand}, {"add", AddCommand},   {"update", UpdateCommand},
      {"delete", DeleteCommand}, {"list", ListCommand}, {"totals", TotalsCommand},
      {"period", PeriodCommand}, {"stats", StatsCommand},   {"backup", BackupCommand},
      {"restore", RestoreCommand}, {"export", ExportCommand}, {"import", ImportCommand}};
  const auto found = args.empty() ? commands.end() : commands.find(args.front());
  if (found == commands.end()) {
    if (!args.empty()) err << "ledgertool: unknown command '" << args.front() << "'\n";
    err << kUsage;
    return kToolUsage;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  try {
    const int code = found->second(Command{found->first, rest, out, now});
    out.flush();
    return code;
  } catch (const UsageError& usage) {
    err << "ledgertool: " << usage.message << '\n' << kUsage;
    return kToolUsage;
  } catch (const std::exception& error) {
    err << "ledgertool: " << error.what() << '\n';
    return kToolFailure;
  }
}

}  // namespace zentavo
