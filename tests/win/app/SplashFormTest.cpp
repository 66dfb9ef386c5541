// The splash window on its own: where it stands, what of its picture the desktop shows, how
// it fades, and what a picture that cannot be read does.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <utility>

#include "app/win/SplashForm.h"
#include "framework/win/Application.h"
#include "win/app/SplashPicture.h"
#include "win/support/ProgramFolder.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

// A plain window of one colour, for what the splash lets through.
class TfrmBackdrop : public TForm {
  ZENTAVO_CLASS(TfrmBackdrop, TForm)
 public:
  static constexpr TColor kColour = RGBColor(0, 160, 60);
  explicit TfrmBackdrop(TComponent* owner) : TForm(owner) {
    BorderStyle = TFormBorderStyle::bsNone;
    SetColor(kColour);
    SetBounds(290, 210, 470, 350);
    FormCreated();
  }
};

// The splash's opacity at each tick of a thread timer; the fades handle the messages that
// run it, so the samples come from inside Show and Close.
class OpacitySampler {
 public:
  explicit OpacitySampler(HWND window) : window_(window) {
    current_ = this;
    timer_ = ::SetTimer(nullptr, 0, 10, &Tick);
  }
  ~OpacitySampler() {
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  std::vector<int> TakeSamples() { return std::exchange(samples_, {}); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!current_ || !::IsWindowVisible(current_->window_)) return;
    BYTE alpha = 255;
    DWORD flags = 0;
    if (!(::GetWindowLongPtrW(current_->window_, GWL_EXSTYLE) & WS_EX_LAYERED) ||
        !::GetLayeredWindowAttributes(current_->window_, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
      alpha = 255;
    current_->samples_.push_back(alpha);
  }
  static inline OpacitySampler* current_ = nullptr;
  HWND window_;
  UINT_PTR timer_;
  std::vector<int> samples_;
};

bool SeenBetween(const std::vector<int>& samples, int low, int high) {
  for (int alpha : samples)
    if (alpha > low && alpha < high) return true;
  return false;
}

class SplashWindow : public ::testing::Test {
 protected:
  void SetUp() override { Application().Initialize(); }
  std::string PictureFile() const { return folder.Folder() + "splash-en.bmp"; }
  ComponentPtr<TfrmSplash> MakeSplash(int fadeMilliseconds) {
    auto splash = MakeComponent<TfrmSplash>(nullptr, PictureFile());
    splash->FadeMilliseconds = fadeMilliseconds;
    return splash;
  }

  ProgramFolder folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(SplashWindow, StandsBorderlessAt314By233WithThePictureFillingIt) {
  FramedPicture().SaveToFile(folder.Path("splash-en.bmp"));
  auto splash = MakeSplash(0);
  splash->Show();
  RECT window, client;
  ::GetWindowRect(splash->Handle(), &window);
  ::GetClientRect(splash->Handle(), &client);
  EXPECT_EQ(window.left, 314);
  EXPECT_EQ(window.top, 233);
  EXPECT_EQ(window.right - window.left, 420);
  EXPECT_EQ(window.bottom - window.top, 300);
  EXPECT_EQ(client.right, 420);
  EXPECT_EQ(client.bottom, 300);
  const LONG_PTR style = ::GetWindowLongPtrW(splash->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_DLGFRAME | WS_SYSMENU));
  EXPECT_EQ(splash->imageSplash.BoundsRect().right, 420);
  EXPECT_EQ(splash->imageSplash.BoundsRect().bottom, 300);
  EXPECT_EQ(splash->imageSplash.Picture().Width(), 420);
  EXPECT_EQ(::GetForegroundWindow(), splash->Handle());
  splash->Close();
  EXPECT_FALSE(::IsWindowVisible(splash->Handle()));
  // Closing hides: the window is kept until its owner ends.
  EXPECT_TRUE(::IsWindow(splash->Handle()));
}

// The screen where the splash stands: the picture inside its outline, and the window
// behind it wherever the picture is the transparent grey (the border and the hole).
TEST_F(SplashWindow, GreyOfThePictureLeavesTheDesktopShowing) {
  const TBitmap picture = FramedPicture();
  picture.SaveToFile(folder.Path("splash-en.bmp"));
  auto backdrop = MakeComponent<TfrmBackdrop>(nullptr);
  backdrop->Show();
  auto splash = MakeSplash(30);
  splash->Show();
  for (int i = 0; i < 10; ++i) {
    Application().ProcessMessages();
    ::Sleep(20);
  }
  const TBitmap screen = CaptureScreen(RECT{314, 233, 734, 533});
  int wrongInside = 0, wrongOutside = 0, inside = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 420; ++x) {
      const TColor own = picture.Pixel(x, y);
      const TColor shown = screen.Pixel(x, y);
      if (own == kSeeThroughGrey) {
        if (shown != TfrmBackdrop::kColour) ++wrongOutside;
      } else {
        ++inside;
        if (shown != own) ++wrongInside;
      }
    }
  }
  EXPECT_GT(inside, 300 * 200);
  EXPECT_EQ(wrongInside, 0) << "picture pixels the screen does not show";
  EXPECT_EQ(wrongOutside, 0) << "grey pixels that hide the window behind";
  splash->Close();
}

// The fades step the window's opacity: up to opaque while it is shown, down while it is
// closed, and each lasts at least its duration.
TEST_F(SplashWindow, FadesInWhenShownAndOutWhenClosed) {
  FramedPicture().SaveToFile(folder.Path("splash-en.bmp"));
  auto splash = MakeSplash(300);
  OpacitySampler sampler(splash->Handle());
  using Clock = std::chrono::steady_clock;

  const Clock::time_point showing = Clock::now();
  splash->Show();
  const auto fadeIn = std::chrono::duration<double, std::milli>(Clock::now() - showing).count();
  const std::vector<int> in = sampler.TakeSamples();
  ASSERT_GE(in.size(), 5u);
  EXPECT_LT(in.front(), 128);
  EXPECT_TRUE(SeenBetween(in, 60, 200));
  EXPECT_TRUE(std::is_sorted(in.begin(), in.end())) << "the opacity went back during the fade-in";
  EXPECT_GE(fadeIn, 300);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(splash->Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 255);

  const Clock::time_point closing = Clock::now();
  splash->Close();
  const auto fadeOut = std::chrono::duration<double, std::milli>(Clock::now() - closing).count();
  const std::vector<int> out = sampler.TakeSamples();
  ASSERT_GE(out.size(), 5u);
  EXPECT_GT(out.front(), 128);
  EXPECT_TRUE(SeenBetween(out, 60, 200));
  EXPECT_TRUE(std::is_sorted(out.rbegin(), out.rend())) << "the opacity went back during the fade-out";
  EXPECT_GE(fadeOut, 300);
  EXPECT_FALSE(::IsWindowVisible(splash->Handle()));

  // Shown again, the window is seen: the fade-out left it hidden, not see-through.
  ::ShowWindow(splash->Handle(), SW_SHOWNA);
  ASSERT_TRUE(::GetLayeredWindowAttributes(splash->Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 255);
  ::ShowWindow(splash->Handle(), SW_HIDE);
}

// A picture that cannot be read reaches the standard error display; the splash then shows
// at once, whole and without a picture, and still closes.
TEST_F(SplashWindow, UnreadablePictureGoesToTheErrorDisplayAndTheSplashShowsAtOnce) {
  struct Case {
    const char* name;
    const char* bytes;  // nullptr: no file
    const char* message;
  };
  const Case cases[] = {{"missing", nullptr, "Cannot open file"}, {"damaged", "BM this is no bitmap", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(folder.Path("splash-en.bmp"));
    if (c.bytes) folder.WriteFile("splash-en.bmp", c.bytes);
    MessageBoxSpy boxes;
    auto splash = MakeSplash(200);
    OpacitySampler sampler(splash->Handle());
    splash->Show();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find(c.message), std::string::npos) << boxes.boxes[0].text;
    EXPECT_EQ(boxes.boxes[0].caption, Application().Title());
    EXPECT_EQ(boxes.boxes[0].flags, UINT(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(::IsWindowVisible(splash->Handle()));
    for (int alpha : sampler.TakeSamples()) EXPECT_EQ(alpha, 255) << "faded in after all";
    EXPECT_FALSE(::GetWindowLongPtrW(splash->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(splash->imageSplash.Picture().Empty());
    // The whole window shows: no region cuts it.
    RECT box{};
    EXPECT_EQ(::GetWindowRgnBox(splash->Handle(), &box), ERROR);

    splash->Close();
    EXPECT_FALSE(::IsWindowVisible(splash->Handle()));
    EXPECT_EQ(boxes.boxes.size(), 1u);
  }
}

}  // namespace
