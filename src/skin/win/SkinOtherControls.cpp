#include "skin/win/SkinOtherControls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/win/Canvas.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/Grids.h"
#include "framework/win/Handles.h"
#include "framework/win/ImageList.h"
#include "framework/win/ListView.h"
#include "framework/win/ToolBar.h"
#include "framework/win/WideText.h"
#include "skin/SkinBlit.h"
#include "framework/win/WindowSubclass.h"
#include "skin/HeaderLook.h"
#include "skin/Skin2Define.h"
#include "skin/SkinText.h"
#include "skin/ToolButtonLook.h"
#include "skin/UpDownLook.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

namespace {

TFlatButtonColors ToolBarColors(const TsuiSkinEngine& engine) {
  TFlatButtonColors colors;
  colors.form = engine.FormColor();
  colors.on = engine.GetSkinColor(SKIN2_TOOLBARONCOLOR);
  colors.down = engine.GetSkinColor(SKIN2_TOOLBARDOWNCOLOR);
  colors.border = engine.GetSkinColor(SKIN2_TOOLBARBORDERCOLOR);
  return colors;
}

}  // namespace

// ---- Up-down ------------------------------------------------------------------------------

bool TsuiSkinUpDown::BeforeMessage(TMessage& message) {
  if (TakeOverPainting(message)) return false;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      if (TControl* control = Control()) {
        const bool vertical =
            static_cast<TCustomUpDown*>(control)->Orientation() == TUDOrientation::udVertical;
        pressedPart_ = UpDownPressedPart(UpDownHalves(control->Width(), control->Height(), vertical),
                                         GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
      }
      return true;
    case WM_LBUTTONUP:
      pressedPart_ = 0;
      return true;
    case WM_LBUTTONDBLCLK:
      Repaint();
      return true;
    default:
      return true;
  }
}

void TsuiSkinUpDown::Compose(TPaintSurface& surface) {
  auto* upDown = dynamic_cast<TCustomUpDown*>(Control());
  HWND window = GetHandle();
  if (!upDown || !window) return;
  TUpDownColors colors;
  colors.form = Engine().FormColor();
  colors.down = Engine().GetSkinColor(SKIN2_TOOLBARDOWNCOLOR);
  colors.border = Engine().GetSkinColor(SKIN2_TOOLBARBORDERCOLOR);
  const TBitmap picture = ComposeUpDown(upDown->Width(), upDown->Height(),
                                        upDown->Orientation() == TUDOrientation::udVertical, pressedPart_,
                                        upDown->Enabled(), colors);
  DrawBitmapRect(surface.Pixels(), 0, 0, picture, TRect{0, 0, picture.Width(), picture.Height()});
}

// ---- Status bar -------------------------------------------------------------------------

bool TsuiSkinStatusBar::BeforeMessage(TMessage& message) { return !TakeOverPainting(message); }

// The bar prints itself into the picture; the skin's grip goes over its own.
void TsuiSkinStatusBar::Compose(TPaintSurface& surface) {
  auto* bar = dynamic_cast<TCustomStatusBar*>(Control());
  HWND window = GetHandle();
  if (!bar || !window) return;
  TMessage print{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT | PRF_ERASEBKGND, 0};
  CallSaved(print);
  surface.Flush();
  if (!bar->SizeGrip()) return;
  const TBitmap grip = ComposeStatusGrip(bar->Width(), bar->Height(), ColorToRGB(bar->EffectiveColor()),
                                         ::GetSysColor(COLOR_INACTIVECAPTION));
  const TPoint at = StatusGripOrigin(bar->Width(), bar->Height());
  DrawBitmapRect(surface.Pixels(), at.x, at.y, grip, TRect{0, 0, grip.Width(), grip.Height()});
}

// ---- Tool bar ---------------------------------------------------------------------------

TsuiSkinToolBar::~TsuiSkinToolBar() { ClearCustomDraw(); }

void TsuiSkinToolBar::Initialize() {
  if (auto* bar = dynamic_cast<TToolBar*>(Control())) {
    savedFlat_ = bar->Flat();
    savedColor_ = bar->Color();
  }
}

void TsuiSkinToolBar::Detach() {
  TsuiSkinControlVCL::Detach();
  if (!Engine().HasState(csDestroying)) ClearCustomDraw();
}

void TsuiSkinToolBar::ClearCustomDraw() {
  if (!drawing_) return;
  drawing_ = false;
  if (auto* bar = dynamic_cast<TToolBar*>(Control())) bar->OnCustomDrawButton = nullptr;
}

void TsuiSkinToolBar::SkinChanged() {
  auto* bar = dynamic_cast<TToolBar*>(Control());
  if (!bar) return;
  if (Engine().IsSkinning()) {
    bar->SetFlat(true);
    bar->SetTransparent(false);
    bar->SetColor(Engine().GetSkinColor(SKIN2_TOOLBARSTARTCOLOR));
    bar->OnCustomDrawButton = [this](TToolBar* toolBar, TToolButton* button, HDC dc, const RECT& rect, UINT state,
                                     bool& defaultDraw) {
      DrawToolButton(toolBar, button, dc, rect, state, defaultDraw);
    };
    drawing_ = true;
  } else {
    bar->SetFlat(savedFlat_);
    bar->SetColor(savedColor_);
    ClearCustomDraw();
  }
}

void TsuiSkinToolBar::DrawToolButton(TToolBar* toolBar, TToolButton* button, HDC dc, const RECT& rect, UINT state,
                                     bool& defaultDraw) {
  if (!toolBar || !button || !dc) return;
  const bool hot = (state & CDIS_HOT) != 0, selected = (state & CDIS_SELECTED) != 0;
  TToolButtonFace face;
  if (hot) {
    face.look = selected ? TFlatButtonLook::Pressed : TFlatButtonLook::Hot;
  } else if (selected || (state & CDIS_CHECKED)) {
    face.look = TFlatButtonLook::Hot;
  } else {
    return;  // the tool bar draws it
  }
  defaultDraw = false;
  face.width = rect.right - rect.left;
  face.height = rect.bottom - rect.top;
  face.dropDown = button->Style == TToolButtonStyle::tbsDropDown;
  face.showArrow = hot && face.dropDown;
  DrawBitmap(dc, rect.left, rect.top, ComposeToolButton(face, ToolBarColors(Engine())));

  const TImageList* images = toolBar->HotImages() ? toolBar->HotImages() : toolBar->Images();
  TToolButtonContent content;
  content.list = toolBar->List();
  content.hasImages = images != nullptr;
  if (images) {
    content.imageWidth = images->Width();
    content.imageHeight = images->Height();
    const int index = button->ImageIndex();
    content.imageDrawn = face.look == TFlatButtonLook::Pressed || (index >= 0 && index < images->Count());
    if (content.imageDrawn) {
      const TPoint at = ToolButtonImageAt(face, content);
      images->Draw(dc, rect.left + at.x, rect.top + at.y, index);
    }
  }
  if (!toolBar->ShowCaptions()) return;
  DcStateGuard guard(dc);
  ::SelectObject(dc, toolBar->Font.Handle());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(toolBar->Font.Color));
  const std::wstring caption = Widen(button->Caption());
  const std::wstring plain = Widen(StripAmpersands(button->Caption()));
  SIZE size{};
  ::GetTextExtentPoint32W(dc, plain.c_str(), static_cast<int>(plain.size()), &size);
  content.captionWidth = size.cx;
  const TRect r = ToolButtonCaptionRect(face, content);
  RECT text{rect.left + r.left, rect.top + r.top, rect.left + r.right, rect.top + r.bottom};
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, 0);
}

// ---- List view header ---------------------------------------------------------------------

TsuiSkinListView::~TsuiSkinListView() { headerProc_.reset(); }

void TsuiSkinListView::Initialize() {
  TsuiSkinScrollWinControl::Initialize();
  AttachHeader();
}

void TsuiSkinListView::AfterMessage(TMessage& message) {
  TsuiSkinScrollWinControl::AfterMessage(message);
  if (!Detached()) AttachHeader();
}

void TsuiSkinListView::AttachHeader() {
  if (headerProc_ && headerProc_->Window()) return;
  HWND list = GetHandle();
  header_ = list ? ListView_GetHeader(list) : nullptr;
  if (!header_) return;
  headerProc_ = std::make_unique<WindowSubclass>(header_, [this](WindowSubclass& token, TMessage& message) {
    if ((message.Msg == WM_PAINT || message.Msg == WM_PRINTCLIENT) && Engine().IsSkinning()) {
      if (message.Msg == WM_PRINTCLIENT) {
        PaintHeaderOn(reinterpret_cast<HDC>(message.WParam));
      } else {
        PaintDc paint(token.Window());
        PaintHeaderOn(paint.get());
      }
      message.Result = 0;
      return;
    }
    token.Default(message);
    if ((message.Msg == HDM_SETITEMA || message.Msg == HDM_SETITEMW) && Engine().IsSkinning()) PaintHeader();
  });
}

void TsuiSkinListView::Detach() {
  headerProc_.reset();
  TsuiSkinScrollWinControl::Detach();
}

void TsuiSkinListView::PaintHeader() {
  if (!header_ || !::IsWindow(header_)) return;
  ::InvalidateRect(header_, nullptr, FALSE);
  ::UpdateWindow(header_);
}

// The header's picture is composed in its kept surface, captions included, and put on the
// paint's context in one copy.
void TsuiSkinListView::PaintHeaderOn(HDC target) {
  if (!header_ || !::IsWindow(header_) || !target) return;
  RECT bounds;
  ::GetClientRect(header_, &bounds);
  const int count = Header_GetItemCount(header_);
  std::vector<TRect> columns;
  for (int i = 0; i < count; ++i) {
    RECT r{};
    Header_GetItemRect(header_, i, &r);
    columns.push_back(ToTRect(r));
  }
  const TBitmap picture = ComposeHeader(bounds.right, bounds.bottom, columns, Engine().FormColor(),
                                        Engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR));
  headerSurface_.Prepare(bounds.right, bounds.bottom);
  DrawBitmapRect(headerSurface_.Pixels(), 0, 0, picture, TRect{0, 0, picture.Width(), picture.Height()});
  HDC dc = headerSurface_.Dc();

  TFont font;
  GetMenuFont(font);
  TCanvas canvas(dc);
  canvas.SetFont(font);
  canvas.SetTextColor(Engine().GetSkinColor(SKIN2_CONTROLFONTCOLOR));
  canvas.SetTransparentText(true);
  const TTextWidth width = [&](std::string_view text) { return canvas.TextWidth(std::string(text)); };
  for (int i = 0; i < count; ++i) {
    wchar_t text[260] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = 259;
    if (!Header_GetItem(header_, i, &item)) continue;
    THeaderAlignment alignment = THeaderAlignment::Left;
    if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) alignment = THeaderAlignment::Right;
    if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) alignment = THeaderAlignment::Centre;
    const std::string caption = Narrow(text);
    const TRect& r = columns[i];
    const int x = PlaceHeaderCaption(r, alignment, width(caption), 0).textX;
    const std::wstring shown = Widen(EllipsizeUtf8Text(width, caption, HeaderCaptionRoom(r, x)));
    RECT place{x, r.top, r.right - 2, r.bottom};
    ::DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &place, DT_SINGLELINE | DT_VCENTER);
  }
  headerSurface_.Present(target);
}

// ---- Grid -------------------------------------------------------------------------------

void TsuiSkinGrid::Initialize() {
  TsuiSkinScrollWinControl::Initialize();
  if (auto* grid = dynamic_cast<TCustomGrid*>(Control())) savedFixedColor_ = grid->FixedColor();
}

void TsuiSkinGrid::SkinChanged() {
  TsuiSkinScrollWinControl::SkinChanged();
  if (auto* grid = dynamic_cast<TCustomGrid*>(Control()))
    grid->SetFixedColor(Engine().IsSkinning() ? Engine().FormColor() : savedFixedColor_);
}

}  // namespace zentavo
