#pragma once
// The program's windows as they start, over a throw-away program folder, with the entry
// editor driven through real messages: keys typed into its boxes, buttons clicked,
// windows activated.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "program/win/ProgramWindows.h"
#include "framework/win/WideText.h"
#include "ledger/win/MainForm.h"
#include "ledger/win/TemplateForm.h"
#include "win/support/RunningProgram.h"

namespace zentavo::testing {

class EditorWindows : public RunningProgram {
 protected:
  void Open() { Start(); }

  // Typing, one WM_CHAR per character, as the keyboard would deliver them.
  static void Type(HWND window, const std::wstring& keys) {
    for (wchar_t key : keys) SendMessageW(window, WM_CHAR, key, 1);
  }
  void TypeAmount(const std::wstring& keys) { Type(Editor().textMoney.Handle(), keys); }
  // The category is typed into the edit box inside the drop-down box.
  HWND CategoryEdit() { return FindWindowExW(Editor().comboBoxType.Handle(), nullptr, L"Edit", nullptr); }
  void TypeCategory(const std::string& text) {
    HWND edit = CategoryEdit();
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CLEAR, 0, 0);
    Type(edit, Widen(text));
  }
  static void Click(TButton& button) {
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    Pump();
  }
  static std::string WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return Narrow(text);
  }
  // The items the drop-down box itself holds.
  std::vector<std::string> CategoryItems() {
    HWND box = Editor().comboBoxType.Handle();
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::wstring item(static_cast<size_t>(SendMessageW(box, CB_GETLBTEXTLEN, i, 0)), L'\0');
      SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
      items.push_back(Narrow(item));
    }
    return items;
  }
  bool EditorShowing() { return IsWindowVisible(Editor().Handle()) != FALSE; }

  std::string FileBytes(const std::string& file) {
    std::ifstream in(folder.Path(file), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
  }
  // Every stored entry, or those a condition picks, read on a connection of their own.
  std::vector<LedgerEntry> Stored(const std::string& condition = "1=1") {
    LedgerStore store;
    store.ConnectLedger(folder.LedgerFile());
    return store.LoadEntries(LedgerStatement{"Select * From MoneyLog Where " + condition + " Order By MoneyLogID", {}});
  }

  // Adds through the main window's menu item, fills amount and category, presses OK.
  void AddOutgo(const std::string& category, const std::wstring& amount = L"1") {
    Main().N1_2.Click();
    Pump();
    TypeAmount(amount);
    TypeCategory(category);
    Click(Editor().buttonOK);
  }
};

}  // namespace zentavo::testing
