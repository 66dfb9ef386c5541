#include "skin/win/SkinTabsBars.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "framework/win/Canvas.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/Handles.h"
#include "framework/win/ImageList.h"
#include "framework/win/TabControls.h"
#include "framework/win/WideText.h"
#include "skin/ProgressBarLook.h"
#include "skin/Skin2Define.h"
#include "skin/SkinBlit.h"
#include "skin/SkinImages.h"
#include "skin/TabLooks.h"
#include "skin/TrackBarLook.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

// ---- Tab control -------------------------------------------------------------------------

namespace {

TTabSide SideOf(TTabPosition position) {
  switch (position) {
    case TTabPosition::tpBottom:
      return TTabSide::Bottom;
    case TTabPosition::tpLeft:
      return TTabSide::Left;
    case TTabPosition::tpRight:
      return TTabSide::Right;
    default:
      return TTabSide::Top;
  }
}

// The tab's picture index (TCIF_IMAGE); -1 when the control does not tell.
int TabImageOf(HWND window, int index) {
  TCITEMW item{};
  item.mask = TCIF_IMAGE;
  item.iImage = -1;
  if (!::SendMessageW(window, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return -1;
  return item.iImage;
}

}  // namespace

bool TsuiSkinTabControl::BeforeMessage(TMessage& message) {
  return !TakeOverPainting(message);
}

TBitmap ComposeSkinnedTabs(const TsuiSkinEngine& engine, const TSkinnedTabsSource& source) {
  HWND window = source.window;
  const int count = static_cast<int>(::SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
  const int chosen = static_cast<int>(::SendMessageW(window, TCM_GETCURSEL, 0, 0));
  std::vector<TTabItem> items;
  for (int i = 0; i < count; ++i) {
    RECT r{};
    ::SendMessageW(window, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    items.push_back({ToTRect(r), i == chosen});
  }

  TBitmap selected, other, line;
  TTabLooks looks;
  if (engine.GetSkinBitmap(SKIN2_TABCONTROL, selected, 1, 2)) looks.selected = &selected;
  if (engine.GetSkinBitmap(SKIN2_TABCONTROL, other, 2, 2)) looks.other = &other;
  if (engine.GetSkinBitmap(SKIN2_TABCONTROLLINE, line)) looks.line = &line;
  looks.formColor = engine.FormColor();
  looks.borderColor = engine.GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
  looks.transColor = engine.GetSkinColor(SKIN2_TRANSCOLOR);
  looks.transparent = engine.GetSkinFlag(SKIN2_TABCONTROLTRANS) != 0;
  looks.stacked = source.stacked;
  const TColor activeColor = engine.GetSkinColor(SKIN2_TABCONTROLACTIVEFONTCOLOR);
  const TColor inactiveColor = engine.GetSkinColor(SKIN2_TABCONTROLINACTIVEFONTCOLOR);
  TImageList* images = source.images;

  const auto caption = [&](TBitmap& picture, int index, bool isSelected) {
    const std::wstring text = source.caption ? source.caption(index) : std::wstring();
    TBitmapDc drawn(picture);
    HDC dc = drawn.Dc();
    if (source.font) ::SelectObject(dc, source.font->Handle());
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TTabImageInfo image;
    if (images) {
      image.index = TabImageOf(window, index);
      image.present = image.index < images->Count();
      image.size = {images->Width(), images->Height()};
    }
    const TTabCaptionLayout layout =
        TabCaptionLayout({picture.Width(), picture.Height()}, {extent.cx, extent.cy}, image, source.side);
    if (layout.drawImage) images->Draw(dc, layout.image.x, layout.image.y, image.index);
    RECT rect = ToRECT(layout.text);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorToRGB(isSelected ? activeColor : inactiveColor));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_VCENTER);
    drawn.CopyTo(picture);
  };
  return ComposeTabControl(source.width, source.height, ToTRect(source.display), source.side, items, looks, caption);
}

void TsuiSkinTabControl::Compose(TPaintSurface& surface) {
  auto* tabs = dynamic_cast<TCustomTabControl*>(Control());
  HWND window = GetHandle();
  if (!tabs || !window) return;
  TSkinnedTabsSource source;
  source.window = window;
  source.width = tabs->Width();
  source.height = tabs->Height();
  source.display = tabs->DisplayRect();
  source.side = SideOf(tabs->TabPosition());
  source.font = &tabs->Font;
  source.images = tabs->Images();
  source.caption = [tabs](int index) {
    return index < tabs->TabCount() ? Widen(tabs->Tab(index)) : std::wstring();
  };
  const TBitmap canvas = ComposeSkinnedTabs(Engine(), source);
  DrawBitmapRect(surface.Pixels(), 0, 0, canvas, TRect{0, 0, canvas.Width(), canvas.Height()});
}

// ---- Track bar ----------------------------------------------------------------------------

namespace {

bool IsVertical(const TTrackBar& bar) {
  return bar.Orientation() == TTrackBarOrientation::trVertical;
}

TTrackTickStyle TickStyleOf(const TTrackBar& bar) {
  switch (bar.TickStyle()) {
    case TTickStyle::tsNone:
      return TTrackTickStyle::None;
    case TTickStyle::tsManual:
      return TTrackTickStyle::Manual;
    default:
      return TTrackTickStyle::Auto;
  }
}

TTrackTickMarks TickMarksOf(const TTrackBar& bar) {
  switch (bar.TickMarks()) {
    case TTickMark::tmTopLeft:
      return TTrackTickMarks::TopLeft;
    case TTickMark::tmBoth:
      return TTrackTickMarks::Both;
    default:
      return TTrackTickMarks::BottomRight;
  }
}

}  // namespace

bool TsuiSkinTrackBar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_KILLFOCUS:
      RepaintLosingFocus();
      return false;
    case CM_GOTFOCUS:
      Repaint();
      return false;
    default:
      return !TakeOverPainting(message);
  }
}

void TsuiSkinTrackBar::SkinChanged() {
  TsuiSkinControlVCL::SkinChanged();
  MakeChannel();
}

void TsuiSkinTrackBar::MakeChannel() {
  channel_.reset();
  auto* bar = dynamic_cast<TTrackBar*>(Control());
  if (!Engine().IsSkinning() || !bar) return;
  // A skin without the channel image still gets the slider and ticks drawn.
  TBitmap channel;
  Engine().GetSkinBitmap(SKIN2_TRACKBAR, channel);
  channelVertical_ = IsVertical(*bar);
  if (channelVertical_) RotateQuarterLeft(channel);
  channel_ = std::move(channel);
}

void TsuiSkinTrackBar::Detach() {
  TsuiSkinControlVCL::Detach();
  channel_.reset();
}

void TsuiSkinTrackBar::Compose(TPaintSurface& surface) {
  auto* bar = dynamic_cast<TTrackBar*>(Control());
  HWND window = GetHandle();
  if (!bar || !window || !channel_) return;
  // The orientation was changed since the skin was: the channel is turned to match.
  if (IsVertical(*bar) != channelVertical_) MakeChannel();
  if (!channel_) return;

  TTrackBarState state;
  state.width = bar->Width();
  state.height = bar->Height();
  state.vertical = IsVertical(*bar);
  RECT channel{}, thumb{};
  ::SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  ::SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  state.channel = ToTRect(channel);
  state.thumb = ToTRect(thumb);
  state.style = TickStyleOf(*bar);
  state.marks = TickMarksOf(*bar);
  if (state.style == TTrackTickStyle::Auto) {
    const int count = static_cast<int>(::SendMessageW(window, TBM_GETNUMTICS, 0, 0));
    for (int i = 0; i < count - 2; ++i)
      state.innerTicks.push_back(static_cast<int>(::SendMessageW(window, TBM_GETTICPOS, i, 0)));
  }
  state.focused = ShowsFocus();

  TBitmap slider;
  const bool hasSlider =
      Engine().GetSkinBitmap(state.vertical ? SKIN2_TRACKBARVSLIDER : SKIN2_TRACKBARSLIDER, slider);
  TTrackBarLooks looks;
  looks.channel = &*channel_;
  looks.slider = hasSlider ? &slider : nullptr;
  looks.formColor = Engine().FormColor();
  looks.transColor = Engine().GetSkinColor(SKIN2_TRANSCOLOR);
  const TBitmap picture = ComposeTrackBar(state, looks);
  DrawBitmapRect(surface.Pixels(), 0, 0, picture, TRect{0, 0, picture.Width(), picture.Height()});
}

// ---- Progress bar -------------------------------------------------------------------------

bool TsuiSkinProgressBar::BeforeMessage(TMessage& message) {
  return !TakeOverPainting(message);
}

void TsuiSkinProgressBar::AfterMessage(TMessage& message) {
  TsuiSkinControlVCL::AfterMessage(message);
  if (message.Msg == PBM_SETPOS) Repaint();
}

// Range and position come from the window, which also takes them by message.
void TsuiSkinProgressBar::Paint() {
  auto* bar = dynamic_cast<TProgressBar*>(Control());
  HWND window = GetHandle();
  if (!bar || !window) return;
  PBRANGE range{};
  ::SendMessageW(window, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  const TProgressBarValues values{range.iLow, range.iHigh,
                                  static_cast<int>(::SendMessageW(window, PBM_GETPOS, 0, 0))};
  const TBitmap picture = ComposeProgressBar(Engine().ProgressBarRes(), bar->Width(), bar->Height(),
                                             bar->Orientation() == TProgressBarOrientation::pbVertical,
                                             values, Engine().FormColor());
  WindowDc dc(window, true);
  if (dc.get()) DrawBitmap(dc.get(), 0, 0, picture);
}

}  // namespace zentavo
