#include <gtest/gtest.h>
#include <windows.h>

#include "EditorWindows.h"
#include "core/SystemText.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {
using Lines = std::vector<std::string>;
using AddingEntries = EditorWindows;

// Presses OK on the next real message box of this thread once it is up, from a timer
// that runs inside the box's own message loop.
class RealBoxAnswerer {
 public:
  RealBoxAnswerer() {
    answered_ = false;
    timer_ = SetTimer(nullptr, 0, 50, Tick);
  }
  ~RealBoxAnswerer() { KillTimer(nullptr, timer_); }
  bool Answered() const { return answered_; }

 private:
  static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box || answered_) return;
    answered_ = true;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  static inline bool answered_ = false;
  UINT_PTR timer_;
};
}  // namespace

TEST_F(AddingEntries, TheEditorIsOneHiddenModelessDialogLaidOutAsDesigned) {
  Open();
  TfrmTemplate& editor = Editor();
  EXPECT_FALSE(EditorShowing());
  wchar_t name[64] = {};
  GetClassNameW(editor.Handle(), name, 64);
  EXPECT_EQ(std::wstring(name), L"TfrmTemplate");
  RECT client{}, frame{};
  GetClientRect(editor.Handle(), &client);
  GetWindowRect(editor.Handle(), &frame);
  EXPECT_EQ(client.right, 293);
  EXPECT_EQ(client.bottom, 244);
  EXPECT_EQ(frame.left, 378);
  EXPECT_EQ(frame.top, 242);
  const LONG style = GetWindowLongW(editor.Handle(), GWL_STYLE);
  EXPECT_TRUE(GetWindowLongW(editor.Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  for (const char* component : {"labelDate", "dateTemplate", "labelTime", "timeTemplate", "labelType", "comboBoxType",
                                "labelMoney", "textMoney", "labelCurrency", "labelNotice", "textNotice", "buttonOK",
                                "buttonCancel"})
    EXPECT_NE(editor.FindComponent(component), nullptr) << component;
  // The editable drop-down: a box with its own edit field.
  EXPECT_NE(CategoryEdit(), nullptr);
  EXPECT_GT(editor.labelCurrency.Left(), editor.textMoney.Left() + editor.textMoney.Width() - 1);
  // Texts shown directly come from the language file at start-up.
  EXPECT_EQ(WindowText(editor.buttonOK.Handle()), "OK");
  EXPECT_EQ(WindowText(editor.buttonCancel.Handle()), "Cancel");
  EXPECT_EQ(editor.labelCurrency.Caption(), "yuan");
  EXPECT_EQ(editor.labelNotice.Caption(), "Note:");

  Main().N1_1.Click();
  Pump();
  ASSERT_TRUE(EditorShowing());
  const HWND first = editor.Handle();
  EXPECT_TRUE(IsWindowEnabled(Main().Handle()));  // modeless: the main window stays usable
  EXPECT_EQ(WindowText(editor.Handle()), "Add income");
  EXPECT_EQ(editor.labelDate.Caption(), "Date received:");
  EXPECT_EQ(editor.labelMoney.Caption(), "Amount:");
  EXPECT_EQ(FormatDateTime(editor.dateTemplate.DateTime()), "2024-03-31 10:00:00");
  EXPECT_EQ(FormatDateTime(editor.timeTemplate.DateTime()), "2024-03-31 10:00:00");
  Click(editor.buttonCancel);
  EXPECT_FALSE(EditorShowing());
  Main().popMenu2.Click();  // the list's pop-up item opens the same window again
  Pump();
  EXPECT_EQ(editor.Handle(), first);
  EXPECT_EQ(WindowText(editor.Handle()), "Add outgo");
  EXPECT_EQ(editor.labelType.Caption(), "Outgo type:");
}

TEST_F(AddingEntries, ANewCategoryIsAppendedOnceAndListedAtTheNextLoad) {
  folder.WriteFile("outgoType.dat", "Food\r\nRent\r\n");
  Open();
  Main().N1_2.Click();
  Pump();
  EXPECT_EQ(CategoryItems(), (Lines{"Food", "Rent"}));
  EXPECT_EQ(Editor().comboBoxType.Text(), "");
  TypeAmount(L"7");
  TypeCategory("Taxi");
  Type(Editor().textNotice.Handle(), L"to the station");
  Click(Editor().buttonOK);

  EXPECT_FALSE(EditorShowing());
  EXPECT_EQ(FileBytes("outgoType.dat"), "Food\r\nRent\r\nTaxi\r\n");
  auto stored = Stored();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].flow, EntryFlow::Outgo);
  EXPECT_EQ(stored[0].category, "Taxi");
  EXPECT_EQ(stored[0].note, "to the station");
  EXPECT_EQ(stored[0].time, "2024-03-31 10:00:00");
  EXPECT_EQ(Main().listViewInfo.RowCount(), 1);  // the main window queried again
  EXPECT_EQ(Main().listViewInfo.CellText(0, 3), "Taxi");

  Main().N1_2.Click();
  Pump();
  EXPECT_EQ(CategoryItems(), (Lines{"Food", "Rent", "Taxi"}));
  Click(Editor().buttonCancel);

  AddOutgo("Rent");  // already there
  AddOutgo("taxi");  // differs only in case
  AddOutgo("Taxi");
  EXPECT_EQ(FileBytes("outgoType.dat"), "Food\r\nRent\r\nTaxi\r\ntaxi\r\n");
  EXPECT_EQ(Stored().size(), 4u);
}

TEST_F(AddingEntries, AnEmptyCategoryIsStoredAndListedAsOneEmptyLineOnce) {
  folder.WriteFile("outgoType.dat", "Food\r\n");
  Open();
  AddOutgo("");
  AddOutgo("");
  EXPECT_EQ(FileBytes("outgoType.dat"), "Food\r\n\r\n");
  auto stored = Stored();
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].category, "");
  EXPECT_EQ(Stored("OutgoType = ''").size(), 2u);  // an empty text, not Null
}

TEST_F(AddingEntries, TheFirstOkCreatesAMissingListFile) {
  Open();
  Main().N1_1.Click();
  Pump();
  EXPECT_TRUE(CategoryItems().empty());
  TypeAmount(L"3000");
  TypeCategory("Salary");
  Click(Editor().buttonOK);
  EXPECT_EQ(FileBytes("incomeType.dat"), "Salary\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder.Path("outgoType.dat")));
  ASSERT_EQ(Stored().size(), 1u);
  EXPECT_EQ(Stored()[0].flow, EntryFlow::Income);
}

TEST_F(AddingEntries, TheAmountBoxTakesOnlyDigitsFullStopAndBackspace) {
  Open();
  Main().N1_2.Click();
  Pump();
  // a, minus, comma, Enter, Ctrl+V and a blank have no effect; backspace removes the 9.
  TypeAmount(L"a1-2,\r\x16 .59\b");
  EXPECT_EQ(Editor().textMoney.Text(), "12.5");
  TypeCategory("Food");
  Click(Editor().buttonOK);
  ASSERT_EQ(Stored().size(), 1u);
  EXPECT_EQ(Stored()[0].amount, "12.5");
  EXPECT_EQ(Stored("MoneyLogMoney = 12.50").size(), 1u);

  AddOutgo("Food", L"0.125");  // rounded half away from zero to two decimals
  EXPECT_EQ(Stored()[1].amount, "0.13");
}

TEST_F(AddingEntries, APastedAmountThatIsNoNumberStoresNothingAndKeepsTheEditorOpen) {
  folder.WriteFile("outgoType.dat", "Food\r\n");
  Open();
  Main().N1_2.Click();
  Pump();
  // Pasting bypasses the key filter.
  ASSERT_TRUE(OpenClipboard(Editor().Handle()));
  EmptyClipboard();
  const std::wstring pasted = L"1.2.3";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  SendMessageW(Editor().textMoney.Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(Editor().textMoney.Text(), "1.2.3");
  TypeCategory("Parking");
  Type(Editor().textNotice.Handle(), L"garage");

  MessageBoxSpy spy;
  Click(Editor().buttonOK);
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "'1.2.3' is not a valid floating point value.");
  EXPECT_EQ(spy.boxes[0].caption, "Zentavo");
  EXPECT_EQ(spy.boxes[0].flags, UINT(MB_OK | MB_ICONSTOP));
  EXPECT_TRUE(Stored().empty());
  EXPECT_EQ(FileBytes("outgoType.dat"), "Food\r\n");
  EXPECT_TRUE(EditorShowing());
  EXPECT_EQ(Editor().textMoney.Text(), "1.2.3");
  EXPECT_EQ(Editor().comboBoxType.Text(), "Parking");
  EXPECT_EQ(Editor().textNotice.Text(), "garage");

  // The user mends the amount and stores the same fields.
  SendMessageW(Editor().textMoney.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1.2"));
  Click(Editor().buttonOK);
  EXPECT_EQ(spy.boxes.size(), 1u);
  ASSERT_EQ(Stored().size(), 1u);
  EXPECT_EQ(Stored()[0].category, "Parking");
  EXPECT_EQ(FileBytes("outgoType.dat"), "Food\r\nParking\r\n");
}

TEST_F(AddingEntries, ClosingItsOwnErrorMessageLeavesTheTypedCategory) {
  folder.WriteFile("incomeType.dat", "Salary\r\n");
  Open();
  Main().N1_1.Click();
  Pump();
  ASSERT_EQ(GetActiveWindow(), Editor().Handle());
  TypeCategory("Gift");
  SendMessageW(Editor().textMoney.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));

  RealBoxAnswerer answerer;  // the real box, which takes the activation and gives it back
  Click(Editor().buttonOK);
  ASSERT_TRUE(answerer.Answered());
  Pump();
  EXPECT_EQ(GetActiveWindow(), Editor().Handle());
  EXPECT_EQ(Editor().comboBoxType.Text(), "Gift");
  EXPECT_EQ(Editor().textMoney.Text(), "abc");
  EXPECT_TRUE(Stored().empty());

  // Coming back from another window still reloads and empties the category.
  SetActiveWindow(Main().Handle());
  Pump();
  SetActiveWindow(Editor().Handle());
  Pump();
  EXPECT_EQ(Editor().comboBoxType.Text(), "");
}

TEST_F(AddingEntries, ComingBackFromTheMainWindowEmptiesTheCategoryAndReloadsTheList) {
  folder.WriteFile("incomeType.dat", "Salary\r\n");
  Open();
  Main().N1_1.Click();
  Pump();
  TypeAmount(L"50");
  TypeCategory("Gift");
  ASSERT_EQ(GetActiveWindow(), Editor().Handle());

  folder.WriteFile("incomeType.dat", "Salary\r\nBonus\r\n");
  SetActiveWindow(Main().Handle());
  Pump();
  EXPECT_EQ(Editor().comboBoxType.Text(), "Gift");  // leaving changes nothing
  SetActiveWindow(Editor().Handle());
  Pump();
  EXPECT_EQ(Editor().comboBoxType.Text(), "");
  EXPECT_EQ(CategoryItems(), (Lines{"Salary", "Bonus"}));
  EXPECT_EQ(Editor().textMoney.Text(), "50");
  EXPECT_EQ(FormatDateTime(Editor().dateTemplate.DateTime()), "2024-03-31 10:00:00");
}

TEST_F(AddingEntries, CancelTheCloseBoxAndEscStoreNothing) {
  Open();
  auto open = [&] {
    Main().N1_2.Click();
    Pump();
    TypeAmount(L"5");
    TypeCategory("Food");
    ASSERT_TRUE(EditorShowing());
  };
  open();
  Click(Editor().buttonCancel);
  EXPECT_FALSE(EditorShowing());
  open();
  SendMessageW(Editor().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_FALSE(EditorShowing());
  open();
  SetFocus(Editor().textMoney.Handle());
  PostMessageW(Editor().textMoney.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);  // through the message loop
  Pump();
  EXPECT_FALSE(EditorShowing());
  EXPECT_TRUE(Stored().empty());
  EXPECT_FALSE(std::filesystem::exists(folder.Path("outgoType.dat")));
}

// Asking for another add while the editor is still open must switch the window to the new
// mode, although it is neither shown nor activated anew.
TEST_F(AddingEntries, AnOpenEditorAskedForTheOtherFlowShowsThatFlowsTextsAndList) {
  folder.WriteFile("incomeType.dat", "Salary\r\n");
  folder.WriteFile("outgoType.dat", "Food\r\n");
  Open();
  Main().N1_1.Click();
  Pump();
  ASSERT_EQ(GetActiveWindow(), Editor().Handle());
  Main().N1_2.Click();  // e.g. by the keyboard shortcut, the editor still active
  Pump();
  EXPECT_EQ(WindowText(Editor().Handle()), "Add outgo");
  EXPECT_EQ(Editor().labelType.Caption(), "Outgo type:");
  EXPECT_EQ(CategoryItems(), (Lines{"Food"}));
  TypeAmount(L"2");
  Click(Editor().buttonOK);
  ASSERT_EQ(Stored().size(), 1u);
  EXPECT_EQ(Stored()[0].flow, EntryFlow::Outgo);
}

// A category list that cannot be written is reported once the entry is stored; the editor
// closes so that OK cannot store the entry a second time.
TEST_F(AddingEntries, AListFileThatCannotBeWrittenIsReportedAfterTheEntryIsStored) {
  std::filesystem::create_directory(folder.Path("outgoType.dat"));
  Open();
  MessageBoxSpy spy;
  Main().N1_2.Click();
  Pump();
  ASSERT_EQ(spy.boxes.size(), 1u);  // reading it for the list fails first
  EXPECT_EQ(spy.boxes[0].text, "File access denied.");
  TypeAmount(L"4");
  TypeCategory("Food");
  Click(Editor().buttonOK);
  ASSERT_EQ(spy.boxes.size(), 2u);
  EXPECT_EQ(spy.boxes[1].text, "File access denied.");
  EXPECT_EQ(Stored().size(), 1u);
  EXPECT_EQ(Main().listViewInfo.RowCount(), 1);
  EXPECT_FALSE(EditorShowing());
}

TEST_F(AddingEntries, AChineseCategoryIsNeitherGarbledNorAddedTwice) {
  const std::string gongzi = "\xE5\xB7\xA5\xE8\xB5\x84";  // 工资
  folder.WriteFile("incomeType.dat", "Salary\r\n");
  Open();
  for (int i = 0; i < 2; ++i) {
    Main().N1_1.Click();
    Pump();
    TypeAmount(L"10");
    TypeCategory(gongzi);
    Click(Editor().buttonOK);
  }
  const std::string bytes = FileBytes("incomeType.dat"); printf("ACP %u\n", GetACP());
  if (EncodeSystemText(gongzi)) {
    EXPECT_EQ(bytes, "Salary\r\n" + *EncodeSystemText(gongzi) + "\r\n");
  } else {
    EXPECT_EQ(bytes, std::string(kUtf8Bom) + "Salary\r\n" + gongzi + "\r\n");
  }
  Main().N1_1.Click();
  Pump();
  EXPECT_EQ(CategoryItems(), (Lines{"Salary", gongzi}));
  EXPECT_EQ(Stored("IncomeType = '" + gongzi + "'").size(), 2u);
}
