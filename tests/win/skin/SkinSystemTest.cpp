// The engine's Win32 helpers: optional functions, fonts, work area, forms and regions.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/win/Application.h"
#include "framework/win/Font.h"
#include "framework/win/WideText.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinRegion.h"
#include "skin/win/SkinSystem.h"
#include "win/skin/SkinTestSupport.h"
#include "win/support/ProgramFolder.h"

namespace zentavo::testing {
namespace {

TEST(OptionalSystemFunctions, CallTheSystemWhileAllThreeAreThere) {
  auto form = MakeComponent<TfrmSkinTest>(nullptr);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, form->Handle(), nullptr, nullptr, nullptr);
  EXPECT_EQ(SafeGetAncestor(child, GA_PARENT), form->Handle());
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_NE(SafeGetScrollBarInfo(form->Handle(), OBJID_VSCROLL, &info), FALSE);
  DestroyWindow(child);
}

TEST(OptionalSystemFunctions, OneMissingFunctionSilencesAllThree) {
  auto form = MakeComponent<TfrmSkinTest>(nullptr);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, form->Handle(), nullptr, nullptr, nullptr);
  std::vector<std::string> looked;
  TOptionalSystemFunctions functions([&](HMODULE library, const char* name) -> FARPROC {
    looked.push_back(name);
    return std::strcmp(name, "GetComboBoxInfo") == 0 ? nullptr : GetProcAddress(library, name);
  });
  EXPECT_EQ(functions.GetAncestor(child, GA_PARENT), form->Handle());
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof(combo);
  EXPECT_EQ(functions.GetComboBoxInfo(child, &combo), FALSE);
  EXPECT_TRUE(functions.Unavailable());
  // GetAncestor was bound already and exists, yet answers 0 from now on.
  EXPECT_EQ(functions.GetAncestor(child, GA_PARENT), nullptr);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_EQ(functions.GetScrollBarInfo(form->Handle(), OBJID_VSCROLL, &info), FALSE);
  // Each entry point was looked up at most once, and none after the flag was set.
  EXPECT_EQ(looked, (std::vector<std::string>{"GetAncestor", "GetComboBoxInfo"}));
  DestroyWindow(child);
}

TEST(SkinSystemFonts, CaptionAndMenuFontsComeFromTheWindowMetrics) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
  TFont font;
  font.SetName("Nothing Like It");
  font.Color = clBlack;
  GetCaptionFont(font);
  EXPECT_EQ(font.Name(), Narrow(metrics.lfCaptionFont.lfFaceName));
  EXPECT_EQ(font.Height(), metrics.lfCaptionFont.lfHeight);
  EXPECT_EQ(font.Color, clBlack);
  TFont menu;
  GetMenuFont(menu);
  EXPECT_EQ(menu.Name(), Narrow(metrics.lfMenuFont.lfFaceName));
  EXPECT_EQ(menu.Color, static_cast<TColor>(GetSysColor(COLOR_MENUTEXT)));
}

TEST(SkinSystemForms, TheWorkAreaEndsOnePixelAboveTheSystemsBottom) {
  ASSERT_EQ(Application().MainForm(), nullptr);
  RECT system{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &system, 0);
  EXPECT_EQ(GetWorkArea(), (TRect{system.left, system.top, system.right, system.bottom - 1}));
}

TEST(SkinSystemForms, FindFormByHandleKnowsOnlyForms) {
  auto first = MakeComponent<TfrmSkinTest>(nullptr);
  auto second = MakeComponent<TfrmSkinTest>(nullptr);
  EXPECT_EQ(FindFormByHandle(second->Handle()), second.get());
  EXPECT_EQ(FindFormByHandle(first->Handle()), first.get());
  HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(FindFormByHandle(foreign), nullptr);
  EXPECT_EQ(FindFormByHandle(nullptr), nullptr);
  DestroyWindow(foreign);
}

// A form whose frame answers SM_ISACTIVE as told.
class TfrmAnswering : public TfrmSkinTest {
 public:
  using TfrmSkinTest::TfrmSkinTest;
  LRESULT answer = 0;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == SM_ISACTIVE) {
      message.Result = answer;
      return;
    }
    TfrmSkinTest::WndProc(message);
  }
};

TEST(SkinSystemForms, TheFramesAnswerDecidesWhetherAFormIsActive) {
  auto form = MakeComponent<TfrmAnswering>(nullptr);
  form->answer = 1;
  EXPECT_TRUE(IsFormActive(form.get()));
  form->answer = 2;
  EXPECT_FALSE(IsFormActive(form.get()));
  // Unanswered, and without a main form: the form's own activity decides.
  form->answer = 0;
  form->Show();
  SetActiveWindow(form->Handle());
  EXPECT_EQ(IsFormActive(form.get()), GetActiveWindow() == form->Handle());
  auto other = MakeComponent<TfrmAnswering>(nullptr);
  EXPECT_FALSE(IsFormActive(other.get()));
}

TEST(SkinRegion, TheWindowTakesTheUnionOfTheRectangles) {
  auto form = MakeComponent<TfrmSkinTest>(nullptr);
  form->Show();
  ApplyWindowRegion(form->Handle(), {{0, 0, 10, 10}});
  Pump();
  // The window owns the region: no handle of ours is left, also when it replaces one.
  const long before = LiveHandleCount(HandleKind::Gdi);
  ApplyWindowRegion(form->Handle(), {{0, 0, 50, 10}, {5, 10, 45, 11}, {0, 11, 50, 100}});
  Pump();
  EXPECT_EQ(LiveHandleCount(HandleKind::Gdi), before);
  RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(form->Handle(), copy.get()), ERROR);
  EXPECT_TRUE(PtInRegion(copy.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(copy.get(), 49, 50));
  EXPECT_FALSE(PtInRegion(copy.get(), 50, 50));
  EXPECT_FALSE(PtInRegion(copy.get(), 2, 10));  // outside the narrow run of row 10
  EXPECT_TRUE(PtInRegion(copy.get(), 5, 10));
  EXPECT_FALSE(PtInRegion(copy.get(), 45, 10));
}

TEST(SkinRegion, NoRectanglesGiveAnEmptyRegion) {
  RegionHandle region = CreateRegionFromRects({{5, 5, 5, 9}});
  RECT box;
  EXPECT_EQ(GetRgnBox(region.get(), &box), NULLREGION);
}

}  // namespace
}  // namespace zentavo::testing
