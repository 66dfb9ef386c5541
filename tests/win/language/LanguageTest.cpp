// The language files as the running program reads them: which file a setting picks, what
// a missing file or key leaves on screen, and how the texts reach every window.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <memory>
#include <string>

#include "program/win/ProgramWindows.h"
#include "framework/win/WideText.h"
#include "ledger/win/MainForm.h"
#include "ledger/win/TemplateForm.h"
#include "report/win/ReportForm.h"
#include "win/support/RunningProgram.h"

namespace zentavo::testing {
namespace {

class LanguageFiles : public RunningProgram {
 protected:
  void StartWithLanguage(const std::string& value) {
    folder.WriteFile("config.ini", "[common]\r\nlanguage=" + value + "\r\n");
    Start();
  }

  // What the window system shows, not what the components hold.
  static std::string MenuText(HMENU menu, int position) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return Narrow(text);
  }
  static bool MenuSeparator(HMENU menu, int position) {
    MENUITEMINFOW info{sizeof(info), MIIM_FTYPE};
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return (info.fType & MFT_SEPARATOR) != 0;
  }
  std::string ColumnHeader(int column) {
    wchar_t text[256] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = 256;
    SendMessageW(Main().listViewInfo.Handle(), LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
    return Narrow(text);
  }
  static std::string WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return Narrow(text);
  }
  HMENU ManageMenu() { return GetSubMenu(GetMenu(Main().Handle()), 0); }
};

TEST_F(LanguageFiles, WithoutTheFileEveryTranslatedTextIsEmptyButTheFixedOnesStay) {
  std::filesystem::remove(folder.Path("language/en.ini"));
  folder.Add(true, EncodeDateTime(2024, 3, 5, 9, 0, 0), "10");
  Start();

  EXPECT_EQ(WindowText(Main().Handle()), "");
  EXPECT_EQ(Application().Title(), "");
  HMENU bar = GetMenu(Main().Handle());
  for (int i = 0; i < GetMenuItemCount(bar); ++i) EXPECT_EQ(MenuText(bar, i), "") << "top menu " << i;
  // The separator's key is missing too: it becomes an empty ordinary item.
  EXPECT_FALSE(MenuSeparator(ManageMenu(), 4));
  for (int i = 0; i < GetMenuItemCount(ManageMenu()); ++i) EXPECT_EQ(MenuText(ManageMenu(), i), "");
  for (int column = 0; column < 6; ++column) EXPECT_EQ(ColumnHeader(column), "") << "column " << column;
  for (TControl* control : {static_cast<TControl*>(&Main().groupBoxTime), static_cast<TControl*>(&Main().groupBoxTotal),
                            static_cast<TControl*>(&Main().labelTimeStart), static_cast<TControl*>(&Main().buttonQuery)})
    EXPECT_EQ(control->Caption(), "") << control->Name();
  // Eight empty period entries, the flow column empty as well.
  EXPECT_EQ(SendMessageW(Main().comboBoxTime.Handle(), CB_GETCOUNT, 0, 0), 8);
  ASSERT_EQ(Main().Entries().Count(), 1);
  EXPECT_EQ(Main().Entries().CellText(0, 2), "");

  // The totals line keeps its words. Rows are counted by their flow text, and an empty
  // text equals both empty flow texts: the income counts on both sides.
  EXPECT_EQ(Main().labelTotal.Caption(), "总计：0元  其中收入10元  支出10元");

  Main().N1_1.Click();
  Pump();
  EXPECT_EQ(WindowText(Editor().Handle()), "");
  EXPECT_EQ(Editor().labelDate.Caption(), "");
  EXPECT_EQ(WindowText(Editor().buttonOK.Handle()), "");

  // The statistics window: empty texts, but its own data-content items and menu captions.
  Main().N2_1.Click();
  Pump();
  EXPECT_EQ(WindowText(Report().Handle()), "");
  EXPECT_EQ(Report().labelDataType.Caption(), "");
  EXPECT_EQ(WindowText(Report().buttonQuery.Handle()), "");
  EXPECT_EQ(Report().comboBoxTime.Item(7), "");
  EXPECT_EQ(Report().comboBoxDataType.Item(0), "收入-支出");
  EXPECT_EQ(Report().comboBoxDataType.Item(2), "支出");
  EXPECT_EQ(Report().popMenuReporView2.Caption(), "Line");
  EXPECT_EQ(Report().Chart.Title, (std::vector<std::string>{"", ""}));
}

TEST_F(LanguageFiles, ErrorsBeforeTheFileIsReadCarryTheProgramsNameAsCaption) {
  std::filesystem::remove(folder.Path("money.mdb"));
  Application().SetTitle("");
  MessageBoxSpy spy;
  Start();
  ASSERT_FALSE(spy.boxes.empty());
  EXPECT_NE(spy.boxes[0].text.find("does not exist"), std::string::npos) << spy.boxes[0].text;
  EXPECT_EQ(spy.boxes[0].caption, "Zentavo");
}

TEST_F(LanguageFiles, KeysAreFoundWhateverTheirCaseAndQuotesAndBlanksAreDropped) {
  folder.WriteFile("language/en.ini",
                   "[FRMMAIN]\r\nCAPTION=  \"My books\"  \r\nn1=Manage\r\nN1_5=Add\r\nbuttonquery = Go \r\n"
                   "[frmtemplate]\r\nCAPTIONOUTGOADD=Spend\r\n[FrmReport]\r\nCHARTCAPTION=Per day\r\n");
  Start();
  EXPECT_EQ(WindowText(Main().Handle()), "My books");
  EXPECT_EQ(Application().Title(), "My books");
  EXPECT_EQ(MenuText(GetMenu(Main().Handle()), 0), "Manage");
  EXPECT_EQ(WindowText(Main().buttonQuery.Handle()), "Go");
  // A separator text other than "-" makes an ordinary item of it.
  EXPECT_FALSE(MenuSeparator(ManageMenu(), 4));
  EXPECT_EQ(MenuText(ManageMenu(), 4), "Add");

  Main().N1_2.Click();
  Pump();
  EXPECT_EQ(WindowText(Editor().Handle()), "Spend");
  // The chart caption stands once, below the empty first title line.
  EXPECT_EQ(Report().Chart.Title, (std::vector<std::string>{"", "Per day"}));
  Main().N2_1.Click();
  Pump();
  EXPECT_EQ(Report().Chart.Layout().titleLines, (std::vector<std::string>{"", "Per day"}));
}

TEST_F(LanguageFiles, TheShippedEnglishFileKeepsTheSeparatorAndNamesEverything) {
  Start();
  EXPECT_TRUE(MenuSeparator(ManageMenu(), 4));
  EXPECT_EQ(Application().Title(), WindowText(Main().Handle()));
  EXPECT_EQ(MenuText(ManageMenu(), 0), "Add &income...");
  EXPECT_EQ(ColumnHeader(2), "Flow");
  EXPECT_EQ(Main().msgDelete(), "Entries selected: %d. Delete?");
}

// The Chinese file is in code page 936 and is read in it whatever the system's code page.
TEST_F(LanguageFiles, LanguageOneGivesTheChineseTextsOthersTheEnglish) {
  StartWithLanguage("1");
  EXPECT_EQ(MenuText(GetMenu(Main().Handle()), 0), "管理");
  EXPECT_EQ(ColumnHeader(2), "支出/收入");
  EXPECT_EQ(Main().labelTimeStart.Caption(), "开始日期：");
  Main().N1_2.Click();
  Pump();
  EXPECT_EQ(WindowText(Editor().Handle()), "新增支出");
  EXPECT_EQ(Editor().labelType.Caption(), "消费类型：");
  EXPECT_EQ(Editor().labelCurrency.Caption(), "元");
  windows.reset();

  for (const char* value : {"3", "0", "x"}) {
    StartWithLanguage(value);
    EXPECT_EQ(MenuText(GetMenu(Main().Handle()), 0), "&Manage") << "language=" << value;
    windows.reset();
  }
}

}  // namespace
}  // namespace zentavo::testing
