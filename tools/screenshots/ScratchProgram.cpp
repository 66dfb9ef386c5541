#include "ScratchProgram.h"

#include <fstream>

#include "app/CommonSettings.h"
#include "framework/win/WideText.h"
#include "ledger/LedgerStatement.h"
#include "ledger/LedgerStore.h"

namespace zentavo {

namespace fs = std::filesystem;

namespace {

void Seed(const std::string& ledger) {
  CreateLedger(ledger);
  LedgerStore store;
  store.ConnectLedger(ledger);
  struct Sample {
    int day, hour;
    bool income;
    const char *category, *amount, *note;
  };
  const Sample samples[] = {{1, 9, true, "Salary", "4200", "March salary"},
                            {1, 12, false, "Food", "18.5", "Lunch"},
                            {2, 8, false, "Transport", "6", "Bus pass top-up"},
                            {3, 19, false, "Food", "42.8", "Groceries"},
                            {4, 20, false, "Utilities", "310.25", "Electricity and water"},
                            {5, 10, true, "Interest", "12.4", "Savings"},
                            {5, 13, false, "Food", "21", "Lunch"},
                            {6, 18, false, "Rent", "1800", "March rent"},
                            {8, 11, true, "Bonus", "600", "Quarterly bonus"},
                            {9, 15, false, "Clothing", "259", "Shoes"},
                            {11, 12, false, "Food", "16.5", "Lunch"},
                            {12, 19, false, "Entertainment", "88", "Concert"},
                            {14, 9, false, "Health", "45", "Pharmacy"},
                            {15, 10, true, "Refund", "59", "Returned jacket"},
                            {17, 18, false, "Food", "63.2", "Groceries"},
                            {19, 8, false, "Transport", "120", "Train tickets"},
                            {22, 16, false, "Gifts", "150", "Birthday present"},
                            {25, 12, false, "Food", "24", "Lunch"},
                            {28, 20, false, "Communication", "49", "Phone bill"}};
  for (const Sample& s : samples) {
    const TDateTime at = EncodeDateTime(2024, 3, s.day, s.hour, 15, 0);
    store.ExecuteLedgerCommand(s.income ? AddIncomeStatement(at, at, s.category, s.note, s.amount)
                                        : AddOutgoStatement(at, at, s.category, s.note, s.amount));
  }
}

// Copies the packages into the program's skins folder and answers the index of the first
// one the Skin menu knows, 0 when none.
int InstallSkins(const fs::path& skins, const fs::path& folder) {
  fs::create_directories(folder / "skins");
  for (const auto& entry : fs::directory_iterator(skins))
    if (entry.path().extension() == ".ssk")
      fs::copy_file(entry.path(), folder / "skins" / entry.path().filename());
  for (int index = 1; index <= 18; ++index)
    if (fs::exists(folder / "skins" / SkinFileName(index))) return index;
  return 0;
}

}  // namespace

ScratchProgram::ScratchProgram(const fs::path& data, const std::string& name, bool chinese,
                               const fs::path& skins)
    : folder_(fs::temp_directory_path() / name) {
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  fs::copy(data / "language", folder_ / "language", fs::copy_options::recursive);
  for (const char* list : {"incomeType.dat", "outgoType.dat"})
    if (fs::exists(data / list)) fs::copy_file(data / list, folder_ / list);
  // Language 1 is Chinese, 2 English. Without a skin the remembered index names a package
  // the folder lacks, and the program starts unskinned.
  std::ofstream config(folder_ / "config.ini");
  config << "[common]\r\nlanguage=" << (chinese ? 1 : 2) << "\r\n";
  if (const int skin = skins.empty() ? 0 : InstallSkins(skins, folder_))
    config << "[skin]\r\nskin=" << skin << "\r\n";
  config.close();
  programFolder_ = Narrow(folder_.wstring()) + "\\";
  Seed(programFolder_ + "money.mdb");
}

ScratchProgram::~ScratchProgram() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

}  // namespace zentavo
