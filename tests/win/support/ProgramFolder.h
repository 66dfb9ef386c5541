#pragma once
// A throw-away program folder for tests that run the real windows: a ledger, the language
// files of the distribution, and the common services and main window over them.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/win/CommonForm.h"
#include "core/DateTime.h"
#include "framework/win/Application.h"
#include "ledger/LedgerStatement.h"
#include "ledger/LedgerStore.h"

namespace zentavo::testing {

// Answers message boxes instead of a person, recording what they said.
class MessageBoxSpy {
 public:
  struct Box {
    HWND owner;
    std::string text, caption;
    UINT flags;
  };
  explicit MessageBoxSpy(int answer = IDOK) : answer_(answer) {
    Application().MessageBoxOverride = [this](HWND owner, const std::string& text, const std::string& caption,
                                              UINT flags) {
      boxes.push_back({owner, text, caption, flags});
      return answer_;
    };
  }
  ~MessageBoxSpy() { Application().MessageBoxOverride = nullptr; }
  void Answer(int answer) { answer_ = answer; }
  std::vector<Box> boxes;

 private:
  int answer_;
};

class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& name) {
    root_ = std::filesystem::temp_directory_path() / ("zentavo-" + name);
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "language");
    for (const char* file : {"en.ini", "gb.ini"}) {
      auto source = std::filesystem::path(ZENTAVO_SOURCE_DIR) / "data" / "dist" / "language" / file;
      if (std::filesystem::exists(source)) std::filesystem::copy_file(source, root_ / "language" / file);
    }
    auto utf8 = root_.u8string();
    folder_ = std::string(utf8.begin(), utf8.end()) + "\\";
  }
  ~ProgramFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  const std::string& Folder() const { return folder_; }
  std::filesystem::path Path(const std::string& file) const { return root_ / std::filesystem::u8path(file); }
  std::string LedgerFile() const { return folder_ + "money.mdb"; }

  void CreateLedgerFile() { CreateLedger(LedgerFile()); }
  void WriteFile(const std::string& file, const std::string& bytes) {
    std::ofstream(Path(file), std::ios::binary) << bytes;
  }

  // Adds entries through the store the program uses; returns the new key.
  std::int64_t Add(bool income, TDateTime when, const std::string& amount, const std::string& category = "c",
                   const std::string& note = "") {
    LedgerStore store;
    store.ConnectLedger(LedgerFile());
    store.ExecuteLedgerCommand(income ? AddIncomeStatement(when, when, category, note, amount)
                                      : AddOutgoStatement(when, when, category, note, amount));
    return store.LastInsertKey();
  }
  void Delete(std::int64_t key) {
    LedgerStore store;
    store.ConnectLedger(LedgerFile());
    store.ExecuteLedgerCommand(DeleteEntryStatement(key));
  }

 private:
  std::filesystem::path root_;
  std::string folder_;
};

// Handles waiting messages so that posted work and paints happen.
inline void Pump() { Application().ProcessMessages(); }

}  // namespace zentavo::testing
