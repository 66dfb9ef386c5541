#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "EditorWindows.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

using Lines = std::vector<std::string>;

class ChangingEntries : public EditorWindows {
 protected:
  // Double-clicks the listed row of the key, as the user opens a change.
  void DoubleClickRow(std::int64_t key) {
    TListView& list = Main().listViewInfo;
    int row = -1;
    for (int i = 0; i < list.RowCount(); ++i)
      if (list.CellText(i, 0) == std::to_string(key)) row = i;
    ASSERT_GE(row, 0) << "key " << key << " is not listed";
    for (int i = 0; i < list.RowCount(); ++i) list.SetSelected(i, i == row);
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = list.Handle();
    click.hdr.idFrom = GetDlgCtrlID(list.Handle());
    click.hdr.code = NM_DBLCLK;
    click.iItem = row;
    SendMessageW(GetParent(list.Handle()), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    Pump();
  }
  void SetPicker(TDateTimePicker& picker, const SYSTEMTIME& shown) {
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = picker.Handle();
    change.nmhdr.idFrom = GetDlgCtrlID(picker.Handle());
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = shown;
    SendMessageW(picker.Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
    SendMessageW(GetParent(picker.Handle()), WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
  }
  void ReplaceText(HWND edit, const std::string& text) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CLEAR, 0, 0);
    Type(edit, Widen(text));
  }
};

}  // namespace

TEST_F(ChangingEntries, AnIncomeRowOpensWithTheIncomeListAndItsOwnCategory) {
  folder.WriteFile("incomeType.dat", "Salary\r\nBonus\r\n");
  folder.WriteFile("outgoType.dat", "Food\r\n");
  const auto key = folder.Add(true, EncodeDateTime(2024, 3, 5, 8, 30, 15), "12.5", "Lottery", "lucky");
  Open();
  DoubleClickRow(key);
  ASSERT_TRUE(EditorShowing());
  EXPECT_EQ(Editor().Mode, EditorMode::IncomeModify);
  EXPECT_EQ(Editor().EntryId, key);
  EXPECT_EQ(WindowText(Editor().Handle()), "Change income");
  EXPECT_EQ(Editor().labelType.Caption(), "Income type:");
  EXPECT_EQ(CategoryItems(), (Lines{"Salary", "Bonus"}));
  EXPECT_EQ(Editor().comboBoxType.Text(), "Lottery");
  EXPECT_EQ(FormatDate(Editor().dateTemplate.DateTime()), "2024-03-05");
  EXPECT_EQ(FormatTime(Editor().timeTemplate.DateTime()), "08:30:15");
  EXPECT_EQ(Editor().textMoney.Text(), "12.5");
  EXPECT_EQ(Editor().textNotice.Text(), "lucky");

  // Coming back to the editor in a change mode keeps the row's category.
  SetActiveWindow(Main().Handle());
  Pump();
  SetActiveWindow(Editor().Handle());
  Pump();
  EXPECT_EQ(Editor().comboBoxType.Text(), "Lottery");
  Click(Editor().buttonOK);
  EXPECT_EQ(FileBytes("incomeType.dat"), "Salary\r\nBonus\r\nLottery\r\n");
  EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(ChangingEntries, AChangeRewritesTimeCategoryNoteAndAmountButNeverTheFlow) {
  const auto key = folder.Add(false, EncodeDateTime(2024, 3, 5, 8, 0, 0), "3", "Food", "bread");
  const auto other = folder.Add(false, EncodeDateTime(2024, 3, 6, 9, 0, 0), "3", "Food", "bread");
  Open();
  DoubleClickRow(key);
  ASSERT_EQ(Editor().Mode, EditorMode::OutGoModify);
  EXPECT_EQ(WindowText(Editor().Handle()), "Change outgo");
  SetPicker(Editor().dateTemplate, SYSTEMTIME{2024, 3, 0, 7, 0, 0, 0, 0});
  SetPicker(Editor().timeTemplate, SYSTEMTIME{2000, 1, 0, 1, 19, 45, 5, 0});
  TypeCategory("Dinner");
  ReplaceText(Editor().textNotice.Handle(), "it's a 100% treat");
  ReplaceText(Editor().textMoney.Handle(), "42.345");
  Click(Editor().buttonOK);
  EXPECT_FALSE(EditorShowing());

  auto changed = Stored("MoneyLogID = " + std::to_string(key));
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].time, "2024-03-07 19:45:05");
  EXPECT_EQ(changed[0].flow, EntryFlow::Outgo);
  EXPECT_EQ(changed[0].category, "Dinner");
  EXPECT_EQ(changed[0].note, "it's a 100% treat");
  EXPECT_EQ(changed[0].amount, "42.35");
  EXPECT_EQ(Stored("IncomeType IS NULL AND MoneyCurrency = 'RMB'").size(), 2u);
  auto untouched = Stored("MoneyLogID = " + std::to_string(other));
  EXPECT_EQ(untouched[0].note, "bread");
  EXPECT_EQ(FileBytes("outgoType.dat"), "Dinner\r\n");
  // The main window listed the change.
  EXPECT_EQ(Main().listViewInfo.CellText(0, 1), "2024-03-07 19:45:05");
}

TEST_F(ChangingEntries, ARowAtMidnightCanBeChanged) {
  const auto key = folder.Add(true, EncodeDateTime(2024, 3, 5, 0, 0, 0), "10", "Salary");
  Open();
  ASSERT_EQ(Main().listViewInfo.CellText(0, 1), "2024-03-05 00:00:00");
  MessageBoxSpy spy;
  DoubleClickRow(key);
  EXPECT_TRUE(spy.boxes.empty());
  ASSERT_TRUE(EditorShowing());
  EXPECT_EQ(FormatTime(Editor().timeTemplate.DateTime()), "00:00:00");
  ReplaceText(Editor().textMoney.Handle(), "11");
  Click(Editor().buttonOK);
  auto changed = Stored();
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].time, "2024-03-05 00:00:00");
  EXPECT_EQ(changed[0].amount, "11");
  EXPECT_EQ(changed[0].flow, EntryFlow::Income);
}

// The main window stays usable while the editor is open, so the row being changed can be
// deleted under it; the change must not then close as if it had been stored.
TEST_F(ChangingEntries, AChangeOfAnEntryDeletedMeanwhileIsReportedAndKeepsTheEditorOpen) {
  const auto key = folder.Add(false, EncodeDateTime(2024, 3, 5, 8, 0, 0), "3", "Food");
  Open();
  DoubleClickRow(key);
  folder.Delete(key);
  ReplaceText(Editor().textMoney.Handle(), "4");
  MessageBoxSpy spy;
  Click(Editor().buttonOK);
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "The entry being changed no longer exists; nothing was stored.");
  EXPECT_TRUE(EditorShowing());
  EXPECT_TRUE(Stored().empty());
  EXPECT_FALSE(std::filesystem::exists(folder.Path("outgoType.dat")));
}
