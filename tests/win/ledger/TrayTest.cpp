#include <gtest/gtest.h>
#include <windows.h>

#include "app/win/AutoRun.h"
#include "framework/win/Registry.h"
#include "ledger/win/MainForm.h"
#include "win/support/ProgramFolder.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

// The main window with the run key's value saved before and put back after each test.
class Tray : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.CreateLedgerFile();
    auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kAutoRunKey, KEY_ALL_ACCESS);
    ASSERT_TRUE(key.has_value()) << "the run key must exist";
    saved = key->ReadString(kAutoRunValue);
    key->DeleteValue(kAutoRunValue);
  }
  void TearDown() override {
    main.reset();
    common.reset();
    auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kAutoRunKey, KEY_ALL_ACCESS);
    key->DeleteValue(kAutoRunValue);
    if (saved) key->WriteString(kAutoRunValue, *saved);
  }
  void SetValue(const std::string& data) {
    RegistryKey::Open(HKEY_LOCAL_MACHINE, kAutoRunKey, KEY_ALL_ACCESS)->WriteString(kAutoRunValue, data);
  }
  std::optional<std::string> Value() {
    return RegistryKey::Open(HKEY_LOCAL_MACHINE, kAutoRunKey, KEY_READ)->ReadString(kAutoRunValue);
  }
  void Open() {
    common = MakeComponent<TfrmCommon>(nullptr, folder.Folder());
    main = MakeComponent<TfrmMain>(nullptr, *common);
    main->Show();
    Pump();
  }
  void IconMessage(UINT mouse) {
    SendMessageW(main->trayIcon.Window(), TTrayIcon::kCallbackMessage, 1, mouse);
  }

  ProgramFolder folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
  ComponentPtr<TfrmCommon> common;
  ComponentPtr<TfrmMain> main;
  std::optional<std::string> saved;
};

}  // namespace

TEST_F(Tray, AutoRunTickFollowsTheRegistryAndClicksFlipIt) {
  SetValue("C:\\Elsewhere\\Other.exe");  // another path still counts as on
  Open();
  EXPECT_TRUE(main->trayMenu3.Checked());

  main->trayMenu3.Click();
  EXPECT_FALSE(main->trayMenu3.Checked());
  EXPECT_FALSE(Value().has_value());

  main->trayMenu3.Click();
  EXPECT_TRUE(main->trayMenu3.Checked());
  EXPECT_EQ(Value(), ExecutablePath());
}

TEST_F(Tray, NoValueMeansAutoRunIsOff) {
  Open();
  EXPECT_FALSE(main->trayMenu3.Checked());
  EXPECT_FALSE(IsAutoRun());
}

TEST_F(Tray, MinimizingLeavesOnlyTheIconAndADoubleClickBringsTheWindowBack) {
  Open();
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(main->Handle()));  // off the taskbar
  IconMessage(WM_LBUTTONDOWN);                     // other mouse actions do nothing
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
  IconMessage(WM_LBUTTONDBLCLK);
  Pump();
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(IsIconic(main->Handle()));
  EXPECT_EQ(GetForegroundWindow(), main->Handle());
}

TEST_F(Tray, TheDisplayItemRestoresAMinimizedProgram) {
  Open();
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  main->trayMenu1.Click();
  Pump();
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(IsIconic(main->Handle()));
}

TEST_F(Tray, RightButtonReleaseOpensTheTrayMenu) {
  Open();
  static bool sawMenu;
  static TPopupMenu* menu;
  sawMenu = false;
  menu = &main->trayMenu;
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    sawMenu = menu->Showing();
    EndMenu();
  });
  IconMessage(WM_RBUTTONUP);
  EXPECT_TRUE(sawMenu);
  EXPECT_EQ(main->trayMenu.Items().Count(), 3);
  EXPECT_EQ(main->trayMenu.Items().Items(1), &main->trayMenu3);  // display, auto-run, exit
}

TEST_F(Tray, TheExitItemClosesTheMainWindowAndItsLedger) {
  Open();
  EXPECT_TRUE(main->Ledger().Connected());
  main->trayMenu2.Click();
  EXPECT_FALSE(main->Ledger().Connected());
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
}
