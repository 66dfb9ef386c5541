// Skinned combo boxes and date-time pickers on real controls under real messages: the
// combo box's outline and button against the portable picture, the dropped-down list's
// outline, simple combo boxes left alone, and the pickers' button windows that follow the
// picker's kind and the skin and hand their presses to the native buttons below.
#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h needs the types of windows.h before it.
// clang-format off
#include <commctrl.h>
// clang-format on

#include "framework/win/Application.h"
#include "framework/win/ComboBoxEx.h"
#include "framework/win/DateTimePicker.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/WindowCapture.h"
#include "skin/DropDownLooks.h"
#include "skin/Skin2Define.h"
#include "skin/win/SkinDropDownButtons.h"
#include "skin/win/SkinDropDowns.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinSystem.h"
#include "win/skin/SkinTestSupport.h"

namespace zentavo::testing {
namespace {

class TfrmDropDowns : public TForm {
 public:
  explicit TfrmDropDowns(TComponent* owner) : TForm(owner) {
    SetBounds(120, 80, 460, 340);
    FormCreated();
  }
};

// A combo box that reads right to left, its button on the left.
class TRightToLeftComboBox : public TComboBox {
 public:
  using TComboBox::TComboBox;

 protected:
  void CreateParams(TCreateParams& params) override {
    TComboBox::CreateParams(params);
    params.exStyle |= WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT;
  }
};

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

POINT ClientOrigin(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return origin;
}

TColor ScreenPixel(int x, int y) {
  WindowDc screen(nullptr);
  const COLORREF c = GetPixel(screen.get(), x, y);
  return RGBColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

bool Shown(TWinControl* control) {
  return control && control->HandleAllocated() && IsWindowVisible(control->Handle());
}

COMBOBOXINFO InfoOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(SafeGetComboBoxInfo(combo, &info));
  return info;
}

TRect ToTRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

class SkinDropDownsTest : public SkinnedFormTest<TfrmDropDowns> {
 protected:
  void SetUp() override { StartEngine("XPBlue"); }

  template <class T>
  T& Add(int left, int top, int width = 150, int height = 21) {
    return SkinnedFormTest::Add<T>(left, top, width, height);
  }
  template <class T = TComboBox>
  T& AddCombo(int left, int top, TComboBoxStyle style = TComboBoxStyle::csDropDownList) {
    T& combo = Add<T>(left, top);
    combo.Style = style;
    for (int i = 0; i < 12; ++i) combo.AddItem("item " + std::to_string(i));
    combo.SetItemIndex(0);
    return combo;
  }
  TDateTimePicker& AddPicker(int left, int top, TDateTimeKind kind,
                             TDTDateMode mode = TDTDateMode::dmComboBox) {
    TDateTimePicker& picker = form->Make<TDateTimePicker>();
    picker.Kind = kind;
    picker.DateMode = mode;
    picker.SetParent(form.get());
    picker.SetBounds(left, top, 150, 22);
    picker.SetDateTime(EncodeDateTime(2024, 5, 17, 12, 30, 0, 0));
    return picker;
  }
  TColor SkinColor(int key) { return ColorToRGB(engine().GetSkinColor(key)); }
  TDropDownColors Colors(TColor inner) {
    return {SkinColor(SKIN2_CONTROLBORDERCOLOR), static_cast<TColor>(ColorToRGB(inner)),
            SkinColor(SKIN2_CONTROLCOLOR)};
  }
  // Pixels of the look's area that differ on the screen, `origin` being where the
  // picture's (0, 0) is on the screen.
  int LookMismatches(const TComboLook& look, TColor inner, bool enabled, POINT origin) {
    const TBitmap shot = CaptureWindow(form->Handle());
    const RECT f = ScreenRect(form->Handle());
    const TBitmap expected = ComposeComboLook(look, Colors(inner), enabled);
    int count = 0;
    for (const TRect& r : ComboLookArea(look))
      for (int y = std::max(r.top, 0); y < std::min(r.bottom, expected.Height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, expected.Width()); ++x)
          if (shot.Pixel(origin.x - f.left + x, origin.y - f.top + y) != expected.Pixel(x, y)) ++count;
    return count;
  }
  int ComboMismatches(TComboBox& combo) {
    HWND window = combo.Handle();
    RECT client;
    GetClientRect(window, &client);
    const bool rtl = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const TComboLook look = ComboLook(ToTRect(client), ToTRect(InfoOf(window).rcButton), rtl);
    return LookMismatches(look, combo.Color(), combo.Enabled(), ClientOrigin(window));
  }
  // The picker's button window against the portable picture of its size.
  int ButtonMismatches(TsuiSkinInternalComboButton& button, bool enabled) {
    const TBitmap shot = CaptureWindow(form->Handle());
    const RECT f = ScreenRect(form->Handle());
    const RECT b = ScreenRect(button.Handle());
    TBitmap expected(b.right - b.left, b.bottom - b.top);
    DrawDropButton(expected, PickerDropButton(expected.Width(), expected.Height()), Colors(clWindow),
                   enabled);
    return CountDiffering(shot, expected, b.left - f.left, b.top - f.top);
  }
};

TEST_F(SkinDropDownsTest, ComboBoxesShowTheSkinnedOutlineAndButtonOverTheirOwnPainting) {
  TComboBox& list = AddCombo(10, 10);
  TComboBox& edit = AddCombo(10, 50, TComboBoxStyle::csDropDown);
  TComboBox& disabled = AddCombo(10, 90);
  disabled.SetEnabled(false);
  ShowSkinned();
  ASSERT_NE(SkinColor(SKIN2_CONTROLBORDERCOLOR), SkinColor(SKIN2_CONTROLCOLOR));
  EXPECT_EQ(ComboMismatches(list), 0);
  EXPECT_EQ(ComboMismatches(edit), 0);
  EXPECT_EQ(ComboMismatches(disabled), 0);
  // The outline is the skin's, not the system's edge.
  const POINT o = ClientOrigin(list.Handle());
  const TBitmap shot = CaptureWindow(form->Handle());
  const RECT f = ScreenRect(form->Handle());
  EXPECT_EQ(shot.Pixel(o.x - f.left + 30, o.y - f.top), SkinColor(SKIN2_CONTROLBORDERCOLOR));
  // The look survives the control's own repaints: a new choice, the focus.
  list.SetItemIndex(3);
  list.SetFocus();
  Settle();
  EXPECT_EQ(ComboMismatches(list), 0);
}

TEST_F(SkinDropDownsTest, RightToLeftComboBoxHasItsSeparatorOnTheButtonsRightEdge) {
  auto& combo = AddCombo<TRightToLeftComboBox>(10, 10);
  ShowSkinned();
  HWND window = combo.Handle();
  const RECT button = InfoOf(window).rcButton;
  EXPECT_EQ(ComboMismatches(combo), 0);
  const POINT o = ClientOrigin(window);
  const TBitmap shot = CaptureWindow(form->Handle());
  const RECT f = ScreenRect(form->Handle());
  const int y = o.y - f.top + (button.top + button.bottom) / 2;
  EXPECT_EQ(shot.Pixel(o.x - f.left + button.right, y), SkinColor(SKIN2_CONTROLBORDERCOLOR));
  EXPECT_EQ(shot.Pixel(o.x - f.left + button.left + 1, y), SkinColor(SKIN2_CONTROLCOLOR));
}

TEST_F(SkinDropDownsTest, SimpleComboBoxKeepsItsNativeLook) {
  TComboBox& wrapped = AddCombo(10, 10, TComboBoxStyle::csSimple);
  TComboBox& native = AddCombo(200, 10, TComboBoxStyle::csSimple);
  wrapped.SetBounds(10, 10, 150, 120);
  native.SetBounds(200, 10, 150, 120);
  native.Tag = engine().DisabledTag();
  ShowSkinned();
  EXPECT_NO_THROW(WrapperOf<TsuiSkinComboBox>(wrapped));
  const TBitmap shot = CaptureWindow(form->Handle());
  const RECT f = ScreenRect(form->Handle());
  const POINT a = ClientOrigin(wrapped.Handle()), b = ClientOrigin(native.Handle());
  int differences = 0;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 150; ++x)
      if (shot.Pixel(a.x - f.left + x, a.y - f.top + y) != shot.Pixel(b.x - f.left + x, b.y - f.top + y))
        ++differences;
  EXPECT_EQ(differences, 0);
}

TEST_F(SkinDropDownsTest, DroppedDownListIsOutlinedAndNotOnceItHasClosed) {
  TComboBox& combo = AddCombo(10, 10);
  ShowSkinned();
  HWND window = combo.Handle();
  const TColor border = SkinColor(SKIN2_CONTROLBORDERCOLOR);
  SendMessageW(window, CB_SHOWDROPDOWN, TRUE, 0);
  Settle();
  const COMBOBOXINFO info = InfoOf(window);
  ASSERT_TRUE(IsWindowVisible(info.hwndList));
  const RECT list = ScreenRect(info.hwndList);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(ScreenPixel(list.left, list.top), border);
  EXPECT_EQ(ScreenPixel((list.left + list.right) / 2, list.bottom - 1), border);
  EXPECT_EQ(ScreenPixel(list.right - 1, (list.top + list.bottom) / 2), border);
  EXPECT_EQ(ComboMismatches(combo), 0);

  SendMessageW(window, CB_SHOWDROPDOWN, FALSE, 0);
  Settle();
  ASSERT_FALSE(IsWindowVisible(info.hwndList));
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  // Where the list was, the form shows again, not a left-over outline.
  ASSERT_NE(ColorToRGB(form->Color()), border);
  EXPECT_NE(ScreenPixel((list.left + list.right) / 2, list.bottom - 1), border);
  EXPECT_NE(ScreenPixel(list.right - 1, (list.top + list.bottom) / 2), border);
}

TEST_F(SkinDropDownsTest, ExtendedComboBoxGetsTheLookOnItsInnerComboBox) {
  TComboBoxEx& combo = Add<TComboBoxEx>(10, 10);
  for (int i = 0; i < 5; ++i) combo.AddItem("choice " + std::to_string(i));
  combo.SetItemIndex(1);
  ShowSkinned();
  HWND inner = reinterpret_cast<HWND>(SendMessageW(combo.Handle(), CBEM_GETCOMBOCONTROL, 0, 0));
  ASSERT_TRUE(inner);
  RECT client;
  GetClientRect(combo.Handle(), &client);
  const TComboLook look = ComboLook(ToTRect(client), ToTRect(InfoOf(inner).rcButton), false);
  const RECT w = ScreenRect(inner);
  EXPECT_EQ(LookMismatches(look, combo.Color(), true, POINT{w.left, w.top}), 0);
}

TEST_F(SkinDropDownsTest, TimePickerShowsSpinButtonsAndDatePickerTheDropDownButton) {
  TDateTimePicker& time = AddPicker(10, 10, TDateTimeKind::dtkTime);
  TDateTimePicker& date = AddPicker(10, 50, TDateTimeKind::dtkDate);
  TDateTimePicker& spunDate = AddPicker(10, 90, TDateTimeKind::dtkDate, TDTDateMode::dmUpDown);
  ShowSkinned();
  auto& timeWrapper = WrapperOf<TsuiSkinDateTimePicker>(time);
  auto& dateWrapper = WrapperOf<TsuiSkinDateTimePicker>(date);
  auto& spunWrapper = WrapperOf<TsuiSkinDateTimePicker>(spunDate);

  EXPECT_TRUE(Shown(timeWrapper.SpinButtons()));
  EXPECT_FALSE(Shown(timeWrapper.ComboButton()));
  ASSERT_TRUE(timeWrapper.NativeSpinButtons());

  EXPECT_FALSE(IsWindowVisible(timeWrapper.NativeSpinButtons()));
  EXPECT_TRUE(Shown(spunWrapper.SpinButtons()));
  EXPECT_FALSE(Shown(spunWrapper.ComboButton()));

  EXPECT_TRUE(Shown(dateWrapper.ComboButton()));
  EXPECT_FALSE(Shown(dateWrapper.SpinButtons()));
  EXPECT_EQ(dateWrapper.NativeSpinButtons(), nullptr);

  // At the right edge of the client area, its full height, 16 wide; the spin buttons are
  // drawn as a wrapped up-down.
  RECT client;
  GetClientRect(date.Handle(), &client);
  EXPECT_EQ(dateWrapper.ComboButton()->BoundsRect().right, client.right);
  EXPECT_EQ(dateWrapper.ComboButton()->Width(), 16);
  EXPECT_EQ(dateWrapper.ComboButton()->Height(), client.bottom);
  EXPECT_EQ(timeWrapper.SpinButtons()->BoundsRect().right, client.right);
  EXPECT_EQ(SendMessageW(timeWrapper.SpinButtons()->Handle(), SM_ISSKINNED, 0, 0), 1);

  EXPECT_EQ(ButtonMismatches(*dateWrapper.ComboButton(), true), 0);
  date.SetEnabled(false);
  Settle();
  EXPECT_EQ(ButtonMismatches(*dateWrapper.ComboButton(), false), 0);
  // The picker keeps the outline of edit-like controls.
  const TBitmap shot = CaptureWindow(form->Handle());
  const RECT f = ScreenRect(form->Handle()), d = ScreenRect(date.Handle());
  EXPECT_EQ(shot.Pixel(d.left - f.left + 20, d.top - f.top), SkinColor(SKIN2_CONTROLBORDERCOLOR));
}

TEST_F(SkinDropDownsTest, PressingTheSkinnedDropDownButtonOpensTheCalendar) {
  TDateTimePicker& date = AddPicker(10, 10, TDateTimeKind::dtkDate);
  ShowSkinned();
  TsuiSkinInternalComboButton* button = WrapperOf<TsuiSkinDateTimePicker>(date).ComboButton();
  ASSERT_TRUE(Shown(button));
  HWND calendar = reinterpret_cast<HWND>(SendMessageW(date.Handle(), DTM_GETMONTHCAL, 0, 0));
  EXPECT_FALSE(calendar && IsWindowVisible(calendar));
  const RECT b = ScreenRect(button->Handle());
  const POINT at{(b.right - b.left) / 2, (b.bottom - b.top) / 2};
  SetCursorPos(b.left + at.x, b.top + at.y);
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  Settle();
  calendar = reinterpret_cast<HWND>(SendMessageW(date.Handle(), DTM_GETMONTHCAL, 0, 0));
  ASSERT_TRUE(calendar);
  EXPECT_TRUE(IsWindowVisible(calendar));
  EXPECT_NE(GetCapture(), button->Handle());
}

TEST_F(SkinDropDownsTest, PressingTheSkinnedSpinButtonsStepsTheTimeOnce) {
  TDateTimePicker& time = AddPicker(10, 10, TDateTimeKind::dtkTime);
  time.SetFormat("HH:mm:ss");
  ShowSkinned();
  // A click on the hours chooses the field the spin buttons change.
  RECT client;
  GetClientRect(time.Handle(), &client);
  SendMessageW(time.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, client.bottom / 2));
  SendMessageW(time.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(6, client.bottom / 2));
  Settle();
  TsuiSkinInternalUpDown* spin = WrapperOf<TsuiSkinDateTimePicker>(time).SpinButtons();
  ASSERT_TRUE(Shown(spin));
  const TDateTime before = time.DateTime();
  const RECT s = ScreenRect(spin->Handle());
  // The upper half: one step up of the selected field, the hours.
  const POINT at{(s.right - s.left) / 2, (s.bottom - s.top) / 4};
  SetCursorPos(s.left + at.x, s.top + at.y);
  SendMessageW(spin->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  HWND holder = GetCapture();
  SendMessageW(holder ? holder : spin->Handle(), WM_LBUTTONUP, 0, 0);
  Settle();
  const DateTimeParts was = DecodeDateTime(before), now = DecodeDateTime(time.DateTime());
  EXPECT_EQ(now.hour, was.hour + 1);
  EXPECT_EQ(now.minute, was.minute);
  EXPECT_EQ(now.second, was.second);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinDropDownsTest, TurningTheSkinOffBringsBackTheNativeButtonsAndOnCoversThemAgain) {
  TDateTimePicker& time = AddPicker(10, 10, TDateTimeKind::dtkTime);
  TDateTimePicker& date = AddPicker(10, 50, TDateTimeKind::dtkDate);
  ShowSkinned();
  auto& timeWrapper = WrapperOf<TsuiSkinDateTimePicker>(time);
  auto& dateWrapper = WrapperOf<TsuiSkinDateTimePicker>(date);
  HWND native = timeWrapper.NativeSpinButtons();
  ASSERT_TRUE(native);
  engine().SetActive(false);
  Settle();
  EXPECT_TRUE(IsWindowVisible(native));
  EXPECT_FALSE(Shown(timeWrapper.SpinButtons()));
  EXPECT_FALSE(Shown(timeWrapper.ComboButton()));
  EXPECT_FALSE(Shown(dateWrapper.ComboButton()));
  EXPECT_FALSE(Shown(dateWrapper.SpinButtons()));
  engine().SetActive(true);
  Settle();
  EXPECT_FALSE(IsWindowVisible(native));
  EXPECT_TRUE(Shown(timeWrapper.SpinButtons()));
  EXPECT_TRUE(Shown(dateWrapper.ComboButton()));
  EXPECT_EQ(ButtonMismatches(*dateWrapper.ComboButton(), true), 0);
}

TEST_F(SkinDropDownsTest, HidingAndShowingATimePickerDoesNotBringUpADropDownButton) {
  TDateTimePicker& time = AddPicker(10, 10, TDateTimeKind::dtkTime);
  ShowSkinned();
  auto& wrapper = WrapperOf<TsuiSkinDateTimePicker>(time);
  time.SetVisible(false);
  time.SetVisible(true);
  Settle();
  EXPECT_FALSE(Shown(wrapper.ComboButton()));
  EXPECT_TRUE(Shown(wrapper.SpinButtons()));
}

TEST_F(SkinDropDownsTest, PickerTaggedToKeepItsSpinButtonsGetsNoneOfOurs) {
  TDateTimePicker& time = AddPicker(10, 10, TDateTimeKind::dtkTime);
  time.Tag = TsuiSkinDateTimePicker::kNoSpinButtonsTag;
  ShowSkinned();
  auto& wrapper = WrapperOf<TsuiSkinDateTimePicker>(time);
  EXPECT_EQ(wrapper.SpinButtons(), nullptr);
  ASSERT_TRUE(wrapper.NativeSpinButtons());
  EXPECT_TRUE(IsWindowVisible(wrapper.NativeSpinButtons()));
  EXPECT_FALSE(Shown(wrapper.ComboButton()));
}

TEST_F(SkinDropDownsTest, ButtonWindowsGoWithTheirPickerAndTheEngineLeavesNativeButtonsBehind) {
  TDateTimePicker& time = AddPicker(10, 10, TDateTimeKind::dtkTime);
  TDateTimePicker& date = AddPicker(10, 50, TDateTimeKind::dtkDate);
  ShowSkinned();
  auto& dateWrapper = WrapperOf<TsuiSkinDateTimePicker>(date);
  const int engineOwns = engine().ComponentCount();
  form->FreeComponent(&date);
  Settle();
  EXPECT_EQ(dateWrapper.ComboButton(), nullptr);
  EXPECT_EQ(dateWrapper.SpinButtons(), nullptr);
  EXPECT_EQ(engine().ComponentCount(), engineOwns - 1);

  // Without the engine the time picker is back to its own spin buttons, and nothing of
  // ours is left inside it.
  HWND native = WrapperOf<TsuiSkinDateTimePicker>(time).NativeSpinButtons();
  host.reset();
  Settle();
  EXPECT_TRUE(IsWindowVisible(native));
  EXPECT_EQ(FindWindowExW(time.Handle(), nullptr, L"TsuiSkinInternalUpDown", nullptr), nullptr);
  EXPECT_EQ(FindWindowExW(time.Handle(), nullptr, L"TsuiSkinInternalComboButton", nullptr), nullptr);
}

}  // namespace
}  // namespace zentavo::testing
