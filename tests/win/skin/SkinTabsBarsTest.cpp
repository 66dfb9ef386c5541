// Tab controls, track bars and progress bars under a skin, on real controls with real
// messages: their pixels against the portable composition from the skin's bitmaps, the
// selected tab's frame, font colour and picture, a new position shown at once, and the
// control's own look once the engine stops skinning.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/win/Application.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/Handles.h"
#include "framework/win/ImageList.h"  // with the common controls' messages
#include "framework/win/TabControls.h"
#include "framework/win/WindowCapture.h"
#include "skin/ProgressBarLook.h"
#include "skin/Skin2Define.h"
#include "skin/SkinImages.h"
#include "skin/TabLooks.h"
#include "skin/TrackBarLook.h"
#include "skin/win/SkinTabsBars.h"
#include "win/skin/SkinTestSupport.h"

namespace zentavo::testing {
namespace {

// Upright strokes, so that some caption pixels come out in the font colour itself.
constexpr const wchar_t* kWideCaptions[] = {L"HIH", L"LHL", L"HLH"};
constexpr const char* kCaptions[] = {"HIH", "LHL", "HLH"};

class TfrmTabsBars : public TForm {
 public:
  explicit TfrmTabsBars(TComponent* owner) : TForm(owner) {
    SetBounds(40, 40, 560, 420);
    tabs.SetBounds(10, 10, 300, 160);
    for (const char* caption : kCaptions) tabs.AddTab(caption);
    progress.SetBounds(10, 190, 200, 20);
    progress.SetPosition(50);
    vertProgress.SetBounds(330, 10, 20, 150);
    vertProgress.SetOrientation(TProgressBarOrientation::pbVertical);
    vertProgress.SetPosition(30);
    track.SetBounds(10, 230, 200, 45);
    track.SetRange(0, 10);
    track.SetPosition(4);
    vertTrack.SetBounds(380, 10, 45, 200);
    vertTrack.SetOrientation(TTrackBarOrientation::trVertical);
    vertTrack.SetTickMarks(TTickMark::tmBoth);
    vertTrack.SetRange(0, 10);
    manualTrack.SetBounds(10, 290, 200, 45);
    manualTrack.SetTickStyle(TTickStyle::tsManual);
    manualTrack.SetTick(5);
    for (TControl* c :
         std::initializer_list<TControl*>{&tabs, &progress, &vertProgress, &track, &vertTrack, &manualTrack})
      c->SetParent(this);
    FormCreated();
  }
  TTabControl& tabs = Make<TTabControl>();
  TProgressBar& progress = Make<TProgressBar>();
  TProgressBar& vertProgress = Make<TProgressBar>();
  TTrackBar& track = Make<TTrackBar>();
  TTrackBar& vertTrack = Make<TTrackBar>();
  TTrackBar& manualTrack = Make<TTrackBar>();
};

// What the window's device context holds right now, without letting anything repaint.
TBitmap ReadWindowNow(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  TBitmap picture(width, height);
  WindowDc dc(window, true);
  MemoryDcHandle memory(::CreateCompatibleDC(dc.get()));
  BitmapHandle bitmap(::CreateCompatibleBitmap(dc.get(), width, height));
  {
    DcStateGuard guard(memory.get());
    ::SelectObject(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
  }
  BITMAPINFOHEADER info{sizeof(info), width, -height, 1, 24, BI_RGB};
  ::GetDIBits(memory.get(), bitmap.get(), 0, height, picture.ScanLine(0),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  return picture;
}

class SkinTabsBarsTest : public SkinnedFormTest<TfrmTabsBars> {
 protected:
  void SetUp() override {
    StartEngine("Silver");
    ShowSkinned();
  }
  TBitmap ExpectedProgress(TProgressBar& bar, int position) {
    return ComposeProgressBar(engine().ProgressBarRes(), bar.Width(), bar.Height(),
                              bar.Orientation() == TProgressBarOrientation::pbVertical,
                              {bar.Min(), bar.Max(), position}, engine().FormColor());
  }
  // The track bar from the skin's own bitmaps and the control's geometry.
  TBitmap ExpectedTrack(TTrackBar& bar, TTrackTickStyle style, TTrackTickMarks marks, bool focused) {
    HWND w = bar.Handle();
    TTrackBarState state;
    state.width = bar.Width();
    state.height = bar.Height();
    state.vertical = bar.Orientation() == TTrackBarOrientation::trVertical;
    RECT c{}, t{};
    SendMessageW(w, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
    SendMessageW(w, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
    state.channel = {c.left, c.top, c.right, c.bottom};
    state.thumb = {t.left, t.top, t.right, t.bottom};
    state.style = style;
    state.marks = marks;
    const int ticks = static_cast<int>(SendMessageW(w, TBM_GETNUMTICS, 0, 0));
    for (int i = 0; i < ticks - 2; ++i)
      state.innerTicks.push_back(static_cast<int>(SendMessageW(w, TBM_GETTICPOS, i, 0)));
    state.focused = focused;
    TBitmap channel = SkinBitmap(SKIN2_TRACKBAR);
    if (state.vertical) RotateQuarterLeft(channel);
    const TBitmap slider = SkinBitmap(state.vertical ? SKIN2_TRACKBARVSLIDER : SKIN2_TRACKBARSLIDER);
    return ComposeTrackBar(
        state, {&channel, &slider, engine().FormColor(), engine().GetSkinColor(SKIN2_TRANSCOLOR)});
  }

};

TEST_F(SkinTabsBarsTest, ProgressBarsShowThePortableCompositionAndANewPositionAtOnce) {
  TProgressBar& bar = form->progress;
  ASSERT_EQ(bar.Width(), 200);
  EXPECT_EQ(CountDiffering(CaptureWindow(bar.Handle()), ExpectedProgress(bar, 50)), 0);
  EXPECT_EQ(
      CountDiffering(CaptureWindow(form->vertProgress.Handle()), ExpectedProgress(form->vertProgress, 30)),
      0);
  // Drawn during the position message itself, before any posted message is handled.
  SendMessageW(bar.Handle(), PBM_SETPOS, 80, 0);
  EXPECT_EQ(CountDiffering(ReadWindowNow(bar.Handle()), ExpectedProgress(bar, 80)), 0);
  SendMessageW(bar.Handle(), PBM_SETPOS, 0, 0);
  EXPECT_EQ(CountDiffering(ReadWindowNow(bar.Handle()), ExpectedProgress(bar, 0)), 0);
}

TEST_F(SkinTabsBarsTest, TrackBarsShowChannelSliderTicksAndFocusFromTheSkinsBitmaps) {
  TTrackBar& bar = form->track;
  EXPECT_EQ(SendMessageW(bar.Handle(), TBM_GETNUMTICS, 0, 0), 11);
  EXPECT_EQ(CountDiffering(CaptureWindow(bar.Handle()),
                           ExpectedTrack(bar, TTrackTickStyle::Auto, TTrackTickMarks::BottomRight, false)),
            0);
  bar.SetFocus();
  Settle();
  EXPECT_EQ(CountDiffering(CaptureWindow(bar.Handle()),
                           ExpectedTrack(bar, TTrackTickStyle::Auto, TTrackTickMarks::BottomRight, true)),
            0);
  form->manualTrack.SetFocus();  // the first loses the focus rectangle
  Settle();
  EXPECT_EQ(CountDiffering(ReadWindowNow(bar.Handle()),
                           ExpectedTrack(bar, TTrackTickStyle::Auto, TTrackTickMarks::BottomRight, false)),
            0);
  EXPECT_EQ(CountDiffering(CaptureWindow(form->manualTrack.Handle()),
                           ExpectedTrack(form->manualTrack, TTrackTickStyle::Manual,
                                         TTrackTickMarks::BottomRight, true)),
            0);
  TTrackBar& vert = form->vertTrack;
  const auto& channel = WrapperOf<TsuiSkinTrackBar>(vert).Channel();
  ASSERT_TRUE(channel.has_value());
  EXPECT_EQ(channel->Width(), SkinBitmap(SKIN2_TRACKBAR).Height());
  EXPECT_EQ(CountDiffering(CaptureWindow(vert.Handle()),
                           ExpectedTrack(vert, TTrackTickStyle::Auto, TTrackTickMarks::Both, false)),
            0);
}

TEST_F(SkinTabsBarsTest, TheSelectedTabUsesFrameOneAndTheActiveFontColourTheOthersFrameTwo) {
  TTabControl& tabs = form->tabs;
  SendMessageW(tabs.Handle(), TCM_SETCURSEL, 1, 0);
  const TBitmap selected = SkinBitmap(SKIN2_TABCONTROL, 1, 2), other = SkinBitmap(SKIN2_TABCONTROL, 2, 2);
  ASSERT_GT(CountDiffering(selected, other), 0);
  const TColor active = engine().GetSkinColor(SKIN2_TABCONTROLACTIVEFONTCOLOR);
  const TColor inactive = engine().GetSkinColor(SKIN2_TABCONTROLINACTIVEFONTCOLOR);
  ASSERT_NE(active, inactive);

  std::vector<TTabItem> items;
  for (int i = 0; i < 3; ++i) {
    RECT r{};
    SendMessageW(tabs.Handle(), TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    items.push_back({{r.left, r.top, r.right, r.bottom}, i == 1});
  }
  const TBitmap line = SkinBitmap(SKIN2_TABCONTROLLINE);
  TTabLooks looks{&selected,
                  &other,
                  &line,
                  engine().FormColor(),
                  engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR),
                  engine().GetSkinColor(SKIN2_TRANSCOLOR),
                  engine().GetSkinFlag(SKIN2_TABCONTROLTRANS) != 0};
  const RECT display = tabs.DisplayRect();
  const TBitmap expected = ComposeTabControl(tabs.Width(), tabs.Height(),
                                             {display.left, display.top, display.right, display.bottom},
                                             TTabSide::Top, items, looks);
  const TBitmap shown = CaptureWindow(tabs.Handle());

  // Only the captions differ from the picture without them, each inside its own text
  // box, in its own colour.
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, tabs.Font.Handle());
  for (int i = 0; i < 3; ++i) {
    SIZE extent{};
    GetTextExtentPoint32W(screen, kWideCaptions[i], 3, &extent);
    const TRect r = items[i].rect;
    const TTabCaptionLayout layout =
        TabCaptionLayout({r.Width(), r.Height()}, {extent.cx, extent.cy}, {}, TTabSide::Top);
    const TRect box{r.left + layout.text.left, r.top, r.left + layout.text.left + extent.cx + 1, r.bottom};
    int outside = 0, activeInk = 0, inactiveInk = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        if (shown.Pixel(x, y) == expected.Pixel(x, y)) continue;
        if (x < box.left || x >= box.right) ++outside;
        if (shown.Pixel(x, y) == static_cast<TColor>(ColorToRGB(active))) ++activeInk;
        if (shown.Pixel(x, y) == static_cast<TColor>(ColorToRGB(inactive))) ++inactiveInk;
      }
    EXPECT_EQ(outside, 0) << "tab " << i;
    EXPECT_GT(i == 1 ? activeInk : inactiveInk, 0) << "tab " << i;
    EXPECT_EQ(i == 1 ? inactiveInk : activeInk, 0) << "tab " << i;
  }
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  // Outside the tabs everything is the composition.
  int rest = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) {
      bool inTab = false;
      for (const TTabItem& item : items)
        inTab = inTab ||
                (x >= item.rect.left && x < item.rect.right && y >= item.rect.top && y < item.rect.bottom);
      if (!inTab && shown.Pixel(x, y) != expected.Pixel(x, y)) ++rest;
    }
  EXPECT_EQ(rest, 0);
}

TEST_F(SkinTabsBarsTest, ATabsPictureGoesBeforeItsCaptionAndGoesAwayWithItsImageList) {
  TTabControl& tabs = form->tabs;
  TImageList& images = form->Make<TImageList>(16, 16);
  TBitmap red(16, 16);
  red.Fill(0x0000FF);
  images.AddMasked(red, 0xFF00FF);
  tabs.SetImages(&images);
  tabs.SetTabImageIndex(0, 0);
  SendMessageW(tabs.Handle(), TCM_SETCURSEL, 1, 0);
  RECT r{};
  SendMessageW(tabs.Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, tabs.Font.Handle());
  SIZE extent{};
  GetTextExtentPoint32W(screen, kWideCaptions[0], 3, &extent);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  const TTabCaptionLayout layout = TabCaptionLayout(
      {r.right - r.left, r.bottom - r.top}, {extent.cx, extent.cy}, {true, 0, {16, 16}}, TTabSide::Top);
  ASSERT_TRUE(layout.drawImage);
  TBitmap shown = CaptureWindow(tabs.Handle());
  int redPixels = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (shown.Pixel(r.left + layout.image.x + x, r.top + layout.image.y + y) == 0x0000FF) ++redPixels;
  EXPECT_EQ(redPixels, 16 * 16);
  form->FreeComponent(&images);
  EXPECT_EQ(tabs.Images(), nullptr);
  shown = CaptureWindow(tabs.Handle());
  EXPECT_NE(shown.Pixel(r.left + layout.image.x + 8, r.top + layout.image.y + 8), 0x0000FFu);
}

TEST_F(SkinTabsBarsTest, TheControlsOwnLookComesBackWhenTheEngineStopsSkinning) {
  TProgressBar& bar = form->progress;
  TTrackBar& track = form->track;
  const TBitmap skinnedBar = ExpectedProgress(bar, 50);
  const TBitmap skinnedTrack =
      ExpectedTrack(track, TTrackTickStyle::Auto, TTrackTickMarks::BottomRight, false);
  const TBitmap skinnedTabs = CaptureWindow(form->tabs.Handle());
  engine().SetActive(false);
  Settle();
  EXPECT_GT(CountDiffering(CaptureWindow(bar.Handle()), skinnedBar), bar.Width() * bar.Height() / 4);
  EXPECT_GT(CountDiffering(CaptureWindow(track.Handle()), skinnedTrack), 100);
  EXPECT_GT(CountDiffering(CaptureWindow(form->tabs.Handle()), skinnedTabs), 100);
  EXPECT_FALSE(WrapperOf<TsuiSkinTrackBar>(track).Channel().has_value());
  engine().SetActive(true);
  Settle();
  EXPECT_EQ(CountDiffering(CaptureWindow(bar.Handle()), skinnedBar), 0);
  EXPECT_EQ(CountDiffering(CaptureWindow(track.Handle()), skinnedTrack), 0);
}

}  // namespace
}  // namespace zentavo::testing
