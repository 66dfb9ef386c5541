// The button family under a skin, on real windows with real messages: when a push button
// clicks (mouse, space, enter), its face and glyph frames against the skin's bitmaps, the
// group box outline, and the colours the family takes and gives back.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "framework/win/Application.h"
#include "framework/win/Buttons.h"
#include "framework/win/CheckBox.h"
#include "framework/win/Handles.h"
#include "framework/win/PaintSurface.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/WindowCapture.h"
#include "skin/ButtonLooks.h"
#include "skin/Skin2Define.h"
#include "skin/SkinBlit.h"
#include "skin/win/SkinButtons.h"
#include "skin/win/SkinGuard.h"
#include "skin/win/SkinMessages.h"
#include "win/skin/SkinTestSupport.h"
#include "win/support/ProgramFolder.h"

namespace zentavo::testing {
namespace {

class TfrmButtons : public TForm {
 public:
  explicit TfrmButtons(TComponent* owner) : TForm(owner) {
    SetBounds(60, 60, 420, 300);
    button.SetBounds(10, 10, 90, 26);
    button.OnClick = [this](TComponent*) { ++clicks; };
    checkBox.SetBounds(10, 50, 120, 20);
    checkBox.SetCaption("Check");
    radio.SetBounds(10, 80, 120, 20);
    radio.SetCaption("Radio");
    group.SetBounds(200, 10, 180, 90);
    bareGroup.SetBounds(200, 110, 180, 60);
    label.SetBounds(10, 120, 80, 16);
    label.SetCaption("Label");
    speed.SetBounds(10, 150, 100, 24);
    speed.SetCaption("Go");
    TBitmap glyph(16, 16);
    glyph.Fill(0x0000C0);
    glyph.SetPixel(0, 15, 0xFF00FF);  // the transparent colour
    speed.SetGlyph(glyph);
    other.SetBounds(10, 200, 90, 26);
    failing.SetBounds(110, 200, 90, 26);
    failing.SetCaption("Fail");
    failing.OnClick = [](TComponent*) { throw std::runtime_error("The amount is not a number"); };
    for (TControl* c : std::initializer_list<TControl*>{&button, &checkBox, &radio, &group, &bareGroup, &label,
                                                        &speed, &other, &failing})
      c->SetParent(this);
    group.SetCaption("Period");
    inGroup.SetParent(&group);
    inGroup.SetBounds(12, 30, 40, 16);
    inGroup.SetCaption("From:");
    FormCreated();
  }
  TButton& button = Make<TButton>();
  TCheckBox& checkBox = Make<TCheckBox>();
  TRadioButton& radio = Make<TRadioButton>();
  TGroupBox& group = Make<TGroupBox>();
  TGroupBox& bareGroup = Make<TGroupBox>();
  TLabel& label = Make<TLabel>();
  TSpeedButton& speed = Make<TSpeedButton>();
  TButton& other = Make<TButton>();
  TButton& failing = Make<TButton>();
  TLabel& inGroup = Make<TLabel>();
  int clicks = 0;
};

// Pixels of `shown` inside `area` that are not `background`: what was drawn there.
int InkIn(const TBitmap& shown, const RECT& area, TColor background) {
  int ink = 0;
  for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, shown.Height()); ++y)
    for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, shown.Width()); ++x)
      if (shown.Pixel(x, y) != background) ++ink;
  return ink;
}

// The client area as the window paints it into a context of ours when asked to print.
TBitmap PrintedClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  TBitmap picture(client.right, client.bottom);
  WindowDc screen(nullptr);
  MemoryDcHandle memory(CreateCompatibleDC(screen.get()));
  BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
  {
    DcStateGuard guard(memory.get());
    SelectObject(memory.get(), bitmap.get());
    PatBlt(memory.get(), 0, 0, client.right, client.bottom, BLACKNESS);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
  }
  BITMAPINFOHEADER info{sizeof(info), client.right, -client.bottom, 1, 24, BI_RGB};
  GetDIBits(memory.get(), bitmap.get(), 0, client.bottom, picture.ScanLine(0), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  return picture;
}

class SkinButtonsTest : public SkinnedFormTest<TfrmButtons> {
 protected:
  void SetUp() override {
    StartEngine("Silver");
    form->label.Font.Color = 0x123456;
    ShowSkinned();
    Activate(*form);
  }
  void TearDown() override {
    otherForm.reset();
    SkinnedFormTest::TearDown();
  }
  static void Activate(TForm& f) {
    SetForegroundWindow(f.Handle());
    SetActiveWindow(f.Handle());
    Settle();
  }
  void Send(TWinControl& control, UINT msg, WPARAM wParam = 0, LPARAM lParam = MAKELPARAM(5, 5)) {
    SendMessageW(control.Handle(), msg, wParam, lParam);
  }
  // Keys through the application's message loop, as typed.
  void Type(TWinControl& control, UINT msg, WPARAM key) {
    PostMessageW(control.Handle(), msg, key, msg == WM_KEYUP ? 0xC0000001 : 1);
    Settle();
  }
  // The push button as it must look (it has no caption in these checks).
  TBitmap ExpectedFace(TButton& b, int frame, bool focused, bool down) {
    return ExpectedButtonFace(engine(), b.Width(), b.Height(), frame, focused, down);
  }
  // The glyph box of a check box or radio button as it must look.
  TBitmap ExpectedBox(TWinControl& control, int key, int frame, int frames, TColor mask) {
    return ComposeGlyphBox(SkinBitmap(key, frame, frames), ColorToRGB(control.EffectiveColor()), mask);
  }

  ComponentPtr<TfrmSkinTest> otherForm;
};

TEST_F(SkinButtonsTest, APressOnAnInactiveFormShowsThePressedFaceWithoutFocusAndItsReleaseDoesNotClick) {
  otherForm = MakeComponent<TfrmSkinTest>(nullptr);
  otherForm->SetBounds(500, 400, 200, 100);
  otherForm->Show();
  Activate(*otherForm);
  TButton& b = form->button;
  auto& wrapper = WrapperOf<TsuiSkinButton>(b);
  Send(b, WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_TRUE(wrapper.Down());
  EXPECT_FALSE(wrapper.PressedByMouse());
  EXPECT_NE(GetFocus(), b.Handle());
  EXPECT_EQ(CountDiffering(CaptureWindow(b.Handle()), ExpectedFace(b, 3, false, true)), 0);
  Send(b, WM_LBUTTONUP);
  EXPECT_FALSE(wrapper.Down());
  EXPECT_EQ(form->clicks, 0);
  EXPECT_EQ(CountDiffering(CaptureWindow(b.Handle()), ExpectedFace(b, 1, false, false)), 0);
}

TEST_F(SkinButtonsTest, APressKeptWhileTheMouseLeavesClicksOnTheNextReleaseOverTheButton) {
  TButton& b = form->button;
  auto& wrapper = WrapperOf<TsuiSkinButton>(b);
  b.Perform(CM_MOUSEENTER);
  EXPECT_EQ(CountDiffering(CaptureWindow(b.Handle()), ExpectedFace(b, 2, false, false)), 0);
  Send(b, WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_TRUE(wrapper.PressedByMouse());
  EXPECT_EQ(GetFocus(), b.Handle());
  EXPECT_EQ(GetCapture(), nullptr);  // the control never saw the press
  EXPECT_EQ(CountDiffering(CaptureWindow(b.Handle()), ExpectedFace(b, 3, true, true)), 0);
  b.Perform(CM_MOUSELEAVE);
  EXPECT_FALSE(wrapper.Down());
  Send(form->other, WM_LBUTTONUP);  // released over another control
  EXPECT_EQ(form->clicks, 0);
  EXPECT_TRUE(wrapper.PressedByMouse());
  Send(b, WM_LBUTTONUP);
  EXPECT_EQ(form->clicks, 1);
  EXPECT_FALSE(wrapper.PressedByMouse());
  Send(b, WM_LBUTTONUP);
  EXPECT_EQ(form->clicks, 1);
}

TEST_F(SkinButtonsTest, SpaceHeldShowsThePressedFaceAndItsReleaseClicksOnce) {
  TButton& b = form->button;
  b.SetFocus();
  Settle();
  EXPECT_EQ(CountDiffering(CaptureWindow(b.Handle()), ExpectedFace(b, 1, true, false)), 0);
  Type(b, WM_KEYDOWN, VK_SPACE);
  EXPECT_TRUE(WrapperOf<TsuiSkinButton>(b).Down());
  EXPECT_EQ(CountDiffering(CaptureWindow(b.Handle()), ExpectedFace(b, 3, true, true)), 0);
  EXPECT_EQ(form->clicks, 0);
  Type(b, WM_KEYUP, VK_SPACE);
  EXPECT_EQ(form->clicks, 1);
  EXPECT_FALSE(WrapperOf<TsuiSkinButton>(b).Down());
}

TEST_F(SkinButtonsTest, EnterPressesOnItsKeyDownAndClicksOnItsCharacter) {
  TButton& b = form->button;
  b.SetFocus();
  Settle();
  Send(b, WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(WrapperOf<TsuiSkinButton>(b).Down());
  EXPECT_EQ(form->clicks, 0);
  Send(b, WM_CHAR, VK_RETURN, 1);
  EXPECT_EQ(form->clicks, 1);
  EXPECT_FALSE(WrapperOf<TsuiSkinButton>(b).Down());
  // Typed through the message loop: one click, from the character.
  Type(b, WM_KEYDOWN, VK_RETURN);
  Type(b, WM_KEYUP, VK_RETURN);
  EXPECT_EQ(form->clicks, 2);
}

TEST_F(SkinButtonsTest, ADisabledButtonKeepsTheFaceRuleAndTheGlyphsTakeTheirDisabledFrames) {
  TButton& b = form->button;
  b.SetEnabled(false);
  b.Perform(CM_MOUSEENTER);
  EXPECT_EQ(CountDiffering(CaptureWindow(b.Handle()), ExpectedFace(b, 2, false, false)), 0);

  TCheckBox& check = form->checkBox;
  check.SetAllowGrayed(true);
  check.SetState(TCheckBoxState::cbGrayed);
  check.SetEnabled(false);
  Settle();
  const TColor mask = engine().GetSkinFlag(SKIN2_CHECKBOXTRANS) ? engine().GetSkinColor(SKIN2_TRANSCOLOR) : kNoMask;
  const TBitmap checkBox = ExpectedBox(check, SKIN2_CHECKBOX, 5, 6, mask);
  const int y = (check.Height() - SkinBitmap(SKIN2_CHECKBOX, 5, 6).Height()) / 2;
  EXPECT_EQ(CountDiffering(CaptureWindow(check.Handle()), checkBox, 0, y), 0);

  TRadioButton& radio = form->radio;
  radio.SetChecked(true);
  radio.SetEnabled(false);
  Settle();
  const TBitmap radioBox = ExpectedBox(radio, SKIN2_RADIOBUTTON, 3, 4, engine().GetSkinColor(SKIN2_TRANSCOLOR));
  const int ry = (radio.Height() - SkinBitmap(SKIN2_RADIOBUTTON, 3, 4).Height()) / 2;
  EXPECT_EQ(CountDiffering(CaptureWindow(radio.Handle()), radioBox, 0, ry), 0);
}

TEST_F(SkinButtonsTest, ACheckBoxWithItsCaptionOnTheLeftHasItsGlyphAtTheRightAndFollowsItsState) {
  TCheckBox& check = form->checkBox;
  check.SetAlignment(TAlignment::taLeftJustify);
  check.SetChecked(true);
  Settle();
  const TColor mask = engine().GetSkinFlag(SKIN2_CHECKBOXTRANS) ? engine().GetSkinColor(SKIN2_TRANSCOLOR) : kNoMask;
  const TBitmap glyph = SkinBitmap(SKIN2_CHECKBOX, 1, 6);
  const TBitmap box = ExpectedBox(check, SKIN2_CHECKBOX, 1, 6, mask);
  const TPoint at = GlyphBoxPosition(check.Width(), check.Height(), glyph.Width(), glyph.Height(), false);
  EXPECT_EQ(at.x, check.Width() - glyph.Width() - 1);
  // The box reaches past the control's right edge: the part inside it is compared.
  const TRect inside{0, 0, glyph.Width(), box.Height()};
  EXPECT_EQ(CountDiffering(CaptureWindow(check.Handle()), CopyBitmapRect(box, inside), at.x, at.y), 0);
  // Clicked by the user: the glyph follows at once.
  Send(check, BM_CLICK);
  Settle();
  const TBitmap unchecked = ExpectedBox(check, SKIN2_CHECKBOX, 3, 6, mask);
  EXPECT_EQ(CountDiffering(CaptureWindow(check.Handle()), CopyBitmapRect(unchecked, inside), at.x, at.y), 0);
}

TEST_F(SkinButtonsTest, AGroupBoxIsOutlinedInTheBorderColourAndItsCaptionBreaksTheOutline) {
  const TColor border = engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
  ASSERT_NE(border, engine().GetSkinColor(SKIN2_CONTROLFONTCOLOR));
  TGroupBox& bare = form->bareGroup;
  EXPECT_EQ(bare.EffectiveColor(), engine().FormColor());  // the form's colour through ParentColor
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, bare.Font.Handle());
  SIZE zero{};
  GetTextExtentPoint32W(screen, L"0", 1, &zero);
  SIZE caption{};
  GetTextExtentPoint32W(screen, L"Period", 6, &caption);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  const TBitmap expected = ComposeGroupBox(bare.Width(), bare.Height(), zero.cy, engine().FormColor(), border);
  EXPECT_EQ(CountDiffering(CaptureWindow(bare.Handle()), expected), 0);

  TGroupBox& group = form->group;
  const TBitmap shown = CaptureWindow(group.Handle());
  const int top = zero.cy / 2 - 1;
  int borderInCaption = 0, borderOutside = 0;
  for (int x = 0; x < group.Width() - 1; ++x) {
    const bool underCaption = x >= 8 && x < 8 + caption.cx;
    if (shown.Pixel(x, top) == border) (underCaption ? borderInCaption : borderOutside)++;
  }
  EXPECT_EQ(borderInCaption, 0);
  EXPECT_EQ(borderOutside, group.Width() - 1 - caption.cx);
}

TEST_F(SkinButtonsTest, LabelsAndCheckBoxesTakeTheSkinsFontColourAndGetTheirOwnBack) {
  const TColor skinColor = engine().GetSkinColor(SKIN2_CONTROLFONTCOLOR);
  const TColor checkColor = form->checkBox.Font.Color;
  EXPECT_EQ(form->label.Font.Color, skinColor);
  engine().SetActive(false);
  Settle();
  EXPECT_EQ(form->label.Font.Color, 0x123456);
  EXPECT_NE(form->checkBox.Font.Color, checkColor);
  engine().SetActive(true);
  Settle();
  EXPECT_EQ(form->label.Font.Color, skinColor);
  EXPECT_EQ(form->checkBox.Font.Color, skinColor);
}

TEST_F(SkinButtonsTest, ASpeedButtonKeepsTheMarginAndSpacingOfItsFirstPaintAndIsDrawnFlat) {
  TSpeedButton& speed = form->speed;
  ASSERT_NE(speed.Margin(), -1);
  EXPECT_EQ(speed.Margin(), speed.Spacing());
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, speed.Font.Handle());
  SIZE caption{};
  GetTextExtentPoint32W(screen, L"Go", 2, &caption);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(speed.Margin(), (speed.Width() - 16 - caption.cx) / 3);
  const int margin = speed.Margin();
  speed.SetBounds(speed.Left(), speed.Top(), 160, speed.Height());
  Settle();
  EXPECT_EQ(speed.Margin(), margin);

  // Flat: the form colour at rest, the glyph at its margin.
  const TBitmap shown = CaptureWindow(form->Handle());
  POINT origin{speed.Left(), speed.Top()};
  ClientToScreen(form->Handle(), &origin);
  RECT frame;
  GetWindowRect(form->Handle(), &frame);
  const int x0 = origin.x - frame.left, y0 = origin.y - frame.top;
  EXPECT_EQ(shown.Pixel(x0 + 1, y0 + 1), engine().FormColor());
  EXPECT_EQ(shown.Pixel(x0 + margin + 2, y0 + speed.Height() / 2), 0x0000C0);
}

TEST_F(SkinButtonsTest, EveryControlOfTheFamilyAnswersThatItIsSkinned) {
  for (TWinControl* c : std::initializer_list<TWinControl*>{&form->button, &form->checkBox, &form->radio,
                                                            &form->group, &form->other})
    EXPECT_EQ(SendMessageW(c->Handle(), SM_ISSKINNED, 0, 0), 1) << c->ClassName();
}

TEST_F(SkinButtonsTest, ALabelInsideAGroupBoxIsDrawnOverTheBoxAndAgainWhenItsTextChanges) {
  TGroupBox& group = form->group;
  TLabel& label = form->inGroup;
  const TColor box = group.EffectiveColor();
  EXPECT_GT(InkIn(CaptureWindow(group.Handle()), label.BoundsRect(), box), 10);

  // The label grows with its text; the new part is drawn on the next paint of the box.
  const RECT before = label.BoundsRect();
  label.SetCaption("From: the first of the month");
  Settle();
  const RECT after = label.BoundsRect();
  ASSERT_GT(after.right, before.right + 20);
  const TBitmap shown = CaptureWindow(group.Handle());
  EXPECT_GT(InkIn(shown, RECT{before.right + 2, after.top, after.right, after.bottom}, box), 10);
  // Nothing but the box outside the label, the caption and the outline.
  EXPECT_EQ(InkIn(shown, RECT{after.left, after.bottom + 2, after.right, group.Height() - 3}, box), 0);
}

TEST_F(SkinButtonsTest, AComposedControlPaintsInOneCopyFromAKeptPictureAndPrintsItsSkinnedLook) {
  TButton& b = form->button;
  RedrawWindow(b.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const long sections = TPaintSurface::SectionsMade(), presents = TPaintSurface::Presents();
  for (int i = 0; i < 5; ++i) RedrawWindow(b.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(TPaintSurface::Presents() - presents, 5);
  EXPECT_EQ(TPaintSurface::SectionsMade() - sections, 0);
  // A new size makes one new picture.
  b.SetBounds(b.Left(), b.Top(), b.Width() + 10, b.Height());
  RedrawWindow(b.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(TPaintSurface::SectionsMade() - sections, 1);
  // Printed: the face the screen shows, caption and all.
  EXPECT_EQ(CountDiffering(CaptureWindow(b.Handle()), PrintedClient(b.Handle())), 0);
  TButton& captioned = form->failing;
  const TBitmap printed = PrintedClient(captioned.Handle());
  EXPECT_EQ(CountDiffering(CaptureWindow(captioned.Handle()), printed), 0);
  const TBitmap face = ExpectedFace(captioned, 1, false, false);
  EXPECT_GT(CountDiffering(printed, face), 10);  // the caption is on it
  EXPECT_LT(CountDiffering(printed, face), captioned.Width() * captioned.Height() / 4);
  const TBitmap group = PrintedClient(form->group.Handle());
  EXPECT_GT(InkIn(group, form->inGroup.BoundsRect(), form->group.EffectiveColor()), 10);
}

TEST_F(SkinButtonsTest, AnErrorOfAClickHandlerReachesTheStandardErrorDisplayAsWithoutTheSkin) {
  MessageBoxSpy spy;
  const std::vector<MessageBoxSpy::Box>& shown = spy.boxes;
  const long swallowed = SwallowedErrorCount();
  TButton& b = form->failing;
  Send(b, WM_LBUTTONDOWN, MK_LBUTTON);
  Send(b, WM_LBUTTONUP);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "The amount is not a number.");
  // From the keyboard, too.
  b.SetFocus();
  Type(b, WM_KEYDOWN, VK_SPACE);
  Type(b, WM_KEYUP, VK_SPACE);
  EXPECT_EQ(shown.size(), 2u);
  EXPECT_EQ(SwallowedErrorCount(), swallowed);
  // The wrapper goes on working after the error.
  EXPECT_FALSE(WrapperOf<TsuiSkinButton>(b).Down());
  Send(form->button, WM_LBUTTONDOWN, MK_LBUTTON);
  Send(form->button, WM_LBUTTONUP);
  EXPECT_EQ(form->clicks, 1);
}

}  // namespace
}  // namespace zentavo::testing
