#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "core/Error.h"
#include "core/Period.h"
#include "framework/win/Handles.h"
#include "ledger/win/MainForm.h"
#include "win/support/ProgramFolder.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

// The main window over a seeded program folder, with "now" fixed to 2024-03-31 10:00.
class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { folder.CreateLedgerFile(); }

  TfrmMain& Open() {
    common = MakeComponent<TfrmCommon>(nullptr, folder.Folder());
    main = MakeComponent<TfrmMain>(nullptr, *common);
    main->Now = [] { return EncodeDateTime(2024, 3, 31, 10, 0, 0); };
    main->Show();
    Pump();
    return *main;
  }
  std::vector<std::string> ListedKeys() const {
    std::vector<std::string> keys;
    for (int row = 0; row < main->listViewInfo.RowCount(); ++row) keys.push_back(main->listViewInfo.CellText(row, 0));
    return keys;
  }

  static TDateTime March(int day, int hour = 12) { return EncodeDateTime(2024, 3, day, hour, 0, 0); }

  ProgramFolder folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
  ComponentPtr<TfrmCommon> common;
  ComponentPtr<TfrmMain> main;
};

}  // namespace

TEST_F(MainWindow, FirstShowListsThisMonthInKeyTextOrder) {
  // Keys 1..11; 3..8 lie in February, so March holds 1, 2, 9, 10 and 11.
  for (int key = 1; key <= 11; ++key) {
    bool march = key < 3 || key > 8;
    folder.Add(true, march ? March(key) : EncodeDateTime(2024, 2, key, 9, 0, 0), "1");
  }
  Open();
  EXPECT_EQ(main->comboBoxTime.ItemIndex(), 3);
  EXPECT_EQ(main->comboBoxTime.Text(), "This month");
  EXPECT_EQ(FormatDateTimeMs(main->datePickerStart.DateTime()), "2024-03-01 00:00:00.000");
  EXPECT_EQ(FormatDateTimeMs(main->datePickerStop.DateTime()), "2024-03-31 23:59:59.999");
  EXPECT_EQ(ListedKeys(), (std::vector<std::string>{"1", "10", "11", "2", "9"}));
  EXPECT_EQ(main->listViewInfo.CellText(0, 2), "Income");
  EXPECT_EQ(main->listViewInfo.SelCount(), 0);
  EXPECT_EQ(main->Caption(), "Zentavo");
  EXPECT_EQ(Application().Title(), "Zentavo");
}

TEST_F(MainWindow, HasItsClassNameMenuAndFixedGeometry) {
  Open();
  wchar_t name[64] = {};
  GetClassNameW(main->Handle(), name, 64);
  EXPECT_EQ(std::wstring(name), L"TfrmMain");
  RECT client{}, frame{};
  GetClientRect(main->Handle(), &client);
  GetWindowRect(main->Handle(), &frame);
  EXPECT_EQ(client.right, 452);
  EXPECT_EQ(client.bottom, 335);
  EXPECT_EQ(frame.left, 297);
  EXPECT_EQ(frame.top, 179);
  EXPECT_EQ(GetMenu(main->Handle()), main->MainMenu1.Handle());
  LONG style = GetWindowLongW(main->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(main->listViewInfo.Column(1).width, 112);
  EXPECT_EQ(main->listViewInfo.Column(0).width, 0);
}

TEST_F(MainWindow, TotalsLineUsesTheFixedChineseWords) {
  folder.Add(true, March(2), "100");
  folder.Add(true, March(3), "20.5");
  folder.Add(false, March(4), "30");
  Open();
  EXPECT_EQ(main->labelTotal.Caption(), "总计：90.5元  其中收入120.5元  支出30元");
}

// The client area of a shown window as it is on the screen now.
static std::vector<std::uint32_t> ScreenPixels(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  WindowDc screen(window);
  MemoryDcHandle memory(CreateCompatibleDC(screen.get()));
  BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
  HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, client.right, client.bottom, screen.get(), 0, 0, SRCCOPY);
  SelectObject(memory.get(), old);
  BITMAPINFOHEADER info{sizeof(info), client.right, -client.bottom, 1, 32, BI_RGB};
  std::vector<std::uint32_t> pixels(static_cast<size_t>(client.right) * client.bottom);
  GetDIBits(memory.get(), bitmap.get(), 0, client.bottom, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  return pixels;
}

TEST_F(MainWindow, ANewTotalsLineReplacesTheOldOneOnTheScreen) {
  folder.Add(true, March(2), "100");
  Open();
  UpdateWindow(main->Handle());
  const std::vector<std::uint32_t> before = ScreenPixels(main->groupBoxTotal.Handle());

  // Longer and shorter lines in turn, then the first one again.
  const std::int64_t income = folder.Add(true, March(3), "12.5");
  const std::int64_t outgo = folder.Add(false, March(3), "3");
  main->buttonQuery.Click();
  Pump();
  EXPECT_EQ(main->labelTotal.Caption(), "总计：109.5元  其中收入112.5元  支出3元");
  EXPECT_NE(ScreenPixels(main->groupBoxTotal.Handle()), before);
  folder.Delete(income);
  folder.Delete(outgo);
  main->buttonQuery.Click();
  Pump();
  EXPECT_EQ(main->labelTotal.Caption(), "总计：100元  其中收入100元  支出0元");
  EXPECT_EQ(ScreenPixels(main->groupBoxTotal.Handle()), before);
}

TEST_F(MainWindow, EditingADateSelectsEntryZeroWithoutAQuery) {
  folder.Add(true, March(2), "5");
  Open();
  folder.Add(true, March(3), "7");  // not listed until the user queries again
  NMDATETIMECHANGE change{};
  change.nmhdr.hwndFrom = main->datePickerStop.Handle();
  change.nmhdr.idFrom = GetDlgCtrlID(change.nmhdr.hwndFrom);
  change.nmhdr.code = DTN_DATETIMECHANGE;
  change.dwFlags = GDT_VALID;
  change.st = SYSTEMTIME{2024, 3, 0, 20, 0, 0, 0, 0};
  SendMessageW(GetParent(change.nmhdr.hwndFrom), WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
  EXPECT_EQ(main->comboBoxTime.ItemIndex(), 0);
  EXPECT_EQ(main->listViewInfo.RowCount(), 1);
  EXPECT_EQ(FormatDateTimeMs(main->datePickerStop.DateTime()), "2024-03-20 23:59:59.999");
  main->buttonQuery.Click();
  EXPECT_EQ(main->listViewInfo.RowCount(), 2);
}

TEST_F(MainWindow, ChoosingAllListsEveryEntry) {
  folder.Add(true, EncodeDateTime(1900, 1, 1, 0, 0, 0), "1");
  folder.Add(true, March(5), "1");
  folder.Add(false, EncodeDateTime(2999, 12, 31, 23, 59, 59), "1");
  Open();
  EXPECT_EQ(main->listViewInfo.RowCount(), 1);
  SendMessageW(main->comboBoxTime.Handle(), CB_SETCURSEL, 7, 0);
  SendMessageW(main->groupBoxTime.Handle(), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(main->comboBoxTime.Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(main->comboBoxTime.Handle()));
  EXPECT_EQ(main->listViewInfo.RowCount(), 3);
  EXPECT_EQ(FormatDateTimeMs(main->datePickerStop.DateTime()), "3000-01-01 00:00:00.000");
}

TEST_F(MainWindow, DeletingTwoSelectedRowsAsksOnceAndKeepsTheOthers) {
  for (int day = 1; day <= 4; ++day) folder.Add(false, March(day), "1");
  Open();
  main->listViewInfo.SetSelected(1, true);
  main->listViewInfo.SetSelected(3, true);
  MessageBoxSpy spy(IDNO);
  main->actionDelete.Execute();
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "Entries selected: 2. Delete?");
  EXPECT_EQ(spy.boxes[0].caption, "");
  EXPECT_EQ(spy.boxes[0].flags, UINT(MB_YESNO));
  EXPECT_EQ(spy.boxes[0].owner, main->Handle());
  EXPECT_EQ(main->listViewInfo.RowCount(), 4);  // No deletes nothing
  EXPECT_EQ(main->listViewInfo.SelCount(), 2);  // and does not query again

  spy.Answer(IDYES);
  main->actionDelete.Execute();
  EXPECT_EQ(spy.boxes.size(), 2u);
  EXPECT_EQ(ListedKeys(), (std::vector<std::string>{"1", "3"}));
}

TEST_F(MainWindow, TheDeleteQuestionReadsRightForOneEntry) {
  folder.Add(false, March(1), "1");
  Open();
  main->listViewInfo.SetSelected(0, true);
  MessageBoxSpy spy(IDNO);
  main->actionDelete.Execute();
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "Entries selected: 1. Delete?");
}

TEST_F(MainWindow, NothingSelectedDeletesNothingAndAsksNothing) {
  folder.Add(false, March(1), "1");
  Open();
  MessageBoxSpy spy(IDYES);
  main->actionDelete.Execute();
  EXPECT_TRUE(spy.boxes.empty());
  EXPECT_EQ(main->listViewInfo.RowCount(), 1);
}

TEST_F(MainWindow, ADeleteQuestionWithAnotherPlaceholderFailsAndDeletesNothing) {
  folder.Add(false, March(1), "1");
  std::string en;
  {
    std::ifstream in(folder.Path("language/en.ini"), std::ios::binary);
    en.assign(std::istreambuf_iterator<char>(in), {});
  }
  const size_t line = en.find("msgDelete=");
  en.replace(line, en.find_first_of("\r\n", line) - line, "msgDelete=Delete %s?");
  folder.WriteFile("language/en.ini", en);
  Open();
  main->listViewInfo.SetSelected(0, true);
  MessageBoxSpy spy(IDYES);
  EXPECT_THROW(main->actionDelete.Execute(), Error);
  EXPECT_TRUE(spy.boxes.empty());
  main->buttonQuery.Click();
  EXPECT_EQ(main->listViewInfo.RowCount(), 1);
}

TEST_F(MainWindow, ChangeOpensTheEditorOnTheFirstSelectedRowEvenAtMidnight) {
  folder.Add(true, EncodeDateTime(2024, 3, 5, 0, 0, 0), "12.5", "Salary", "March pay");
  folder.Add(false, March(6), "3");
  folder.Add(false, March(7), "4");
  Open();
  std::vector<EntryEditRequest> requests;
  main->OnModifyEntry = [&](const EntryEditRequest& request) { requests.push_back(request); };
  for (int row = 0; row < 3; ++row) main->listViewInfo.SetSelected(row, true);
  main->actionModify.Execute();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].key, 1);
  EXPECT_TRUE(requests[0].income);
  EXPECT_EQ(FormatDate(requests[0].date), "2024-03-05");
  EXPECT_EQ(FormatTime(requests[0].timeOfDay), "00:00:00");
  EXPECT_EQ(requests[0].amount, "12.5");
  EXPECT_EQ(requests[0].category, "Salary");
  EXPECT_EQ(requests[0].note, "March pay");
}

TEST_F(MainWindow, AMissingLedgerIsReportedAndTheWindowStillShows) {
  std::filesystem::remove(folder.Path("money.mdb"));
  MessageBoxSpy spy;
  Open();
  ASSERT_GE(spy.boxes.size(), 1u);
  EXPECT_NE(spy.boxes[0].text.find("money.mdb"), std::string::npos) << spy.boxes[0].text;
  EXPECT_EQ(spy.boxes[0].flags, UINT(MB_OK | MB_ICONSTOP));
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(std::filesystem::exists(folder.Path("money.mdb")));  // never created
  size_t before = spy.boxes.size();
  SendMessageW(main->buttonQuery.Handle(), BM_CLICK, 0, 0);  // every later listing is reported too
  EXPECT_EQ(spy.boxes.size(), before + 1);
}

TEST_F(MainWindow, RequeriesAndPopupMenusLeaveNoHandlesBehind) {
  for (int day = 1; day <= 20; ++day) folder.Add(day % 2, March(day), "1.5");
  Open();
  main->buttonQuery.Click();
  Pump();
  long gdi = LiveHandleCount(HandleKind::Gdi), user = LiveHandleCount(HandleKind::User);
  for (int i = 0; i < 50; ++i) {
    main->buttonQuery.Click();
    RedrawWindow(main->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  for (int i = 0; i < 50; ++i) {
    SetTimer(main->Handle(), 77, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      EndMenu();
    });
    main->popMenuListView.Popup(400, 300);
    KillTimer(main->Handle(), 77);
  }
  Pump();
  EXPECT_EQ(LiveHandleCount(HandleKind::Gdi), gdi);
  EXPECT_EQ(LiveHandleCount(HandleKind::User), user);
}
