#include "skin/win/SkinMenuPainter.h"

#include "framework/win/Canvas.h"
#include "framework/win/Font.h"
#include "framework/win/ImageList.h"
#include "framework/win/WideText.h"
#include "skin/MenuCheckImages.h"
#include "skin/win/MenuBlankImages.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

// Owned by the engine, so that the engine's teardown clears the link it holds.
class TSkinEngineLinkHolder : public TComponent {
  ZENTAVO_CLASS(TSkinEngineLinkHolder, TComponent)
 public:
  explicit TSkinEngineLinkHolder(TComponent* owner)
      : TComponent(owner), link_(std::make_shared<TSkinEngineLink>()) {
    link_->engine_ = dynamic_cast<TsuiSkinEngine*>(owner);
  }
  ~TSkinEngineLinkHolder() override { link_->engine_ = nullptr; }
  void BeforeDestruction() override {
    link_->engine_ = nullptr;
    TComponent::BeforeDestruction();
  }
  TSkinEngineLinkPtr Link() const { return link_; }

 private:
  std::shared_ptr<TSkinEngineLink> link_;
};

TSkinEngineLinkPtr SkinEngineLink(TsuiSkinEngine& engine) {
  for (int i = 0; i < engine.ComponentCount(); ++i) {
    if (auto* holder = dynamic_cast<TSkinEngineLinkHolder*>(engine.Components(i))) return holder->Link();
  }
  return engine.Make<TSkinEngineLinkHolder>().Link();
}

TMenuColors SkinMenuColors(const TSkinEngineLink* link) {
  TMenuColors colors{};
  if (TsuiSkinEngine* engine = link ? link->Engine() : nullptr) {
    colors = engine->Metrics().MenuColors;
  } else {
    const TColor menu = SystemColor(COLOR_MENU), text = SystemColor(COLOR_MENUTEXT);
    const TColor highlight = SystemColor(COLOR_HIGHLIGHT), highlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
    colors = {menu, menu, highlight, highlight, highlightText, text,         menu,
              menu, menu, text,      highlight, highlight,     highlightText};
  }
  for (TColor& color : colors) color = static_cast<TColor>(ColorToRGB(color));
  return colors;
}

void SetMenuItemDrawHandlers(TMenuItem& item, const TMenuMeasureHandler& measure,
                             const TMenuDrawHandler& draw) {
  item.OnMeasureItem = measure;
  item.OnDrawItem = draw;
  for (int i = 0; i < item.Count(); ++i) SetMenuItemDrawHandlers(*item.Items(i), measure, draw);
}

// The handlers hold the link, never the engine itself; like every skin handler they keep
// their errors away from the window system.
void SkinMenuItem(TsuiSkinEngine& engine, TMenuItem& item) {
  TSkinEngineLinkPtr link = SkinEngineLink(engine);
  SetMenuItemDrawHandlers(
      item,
      [link](TMenuItem& measured, HDC dc, int& width, int& height) {
        try {
          MeasureMenuItem(link.get(), measured, dc, width, height);
        } catch (...) {
        }
      },
      [link](TMenuItem& drawn, HDC dc, const RECT& rect, UINT state) {
        try {
          DrawMenuItem(link.get(), drawn, dc, rect, state);
        } catch (...) {
        }
      });
}

void SkinMenu(TsuiSkinEngine& engine, TMenu& menu) {
  if (menu.Is<TMainMenu>() && !menu.Images) menu.Images = &MenuBlankImages();
  // Handlers first, so that the rebuilt owner-drawn menu finds them at once.
  for (int i = 0; i < menu.Items().Count(); ++i) SkinMenuItem(engine, *menu.Items().Items(i));
  menu.SetOwnerDraw(true);
}

void UnskinMenu(TsuiSkinEngine&, TMenu& menu) {
  menu.SetOwnerDraw(false);
  if (menu.Is<TMainMenu>() && menu.Images == &MenuBlankImages()) menu.Images = nullptr;
  for (int i = 0; i < menu.Items().Count(); ++i)
    SetMenuItemDrawHandlers(*menu.Items().Items(i), nullptr, nullptr);
}

namespace {

bool IsMenuBarItem(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  const TMenu* menu = item.Menu();
  return parent && !parent->Parent() && menu && menu->Is<TMainMenu>();
}

TFont ItemFont(const TMenuItem& item) {
  TFont font;
  GetMenuFont(font);
  if (item.Default()) font.SetBold(true);
  return font;
}

SIZE TextSize(HDC dc, const std::string& text) {
  const std::wstring wide = Widen(text);
  SIZE size{};
  ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

void DrawItemText(HDC dc, const std::string& text, const TRect& rect, UINT format) {
  if (text.empty()) return;
  std::wstring wide = Widen(text);
  RECT box{rect.left, rect.top, rect.right, rect.bottom};
  ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &box, format);
}

}  // namespace

void MeasureMenuItem(const TSkinEngineLink*, TMenuItem& item, HDC dc, int& width, int& height) {
  if (IsMenuBarItem(item)) return;
  DcStateGuard state(dc);
  const TFont font = ItemFont(item);
  ::SelectObject(dc, font.Handle());
  const SIZE caption = TextSize(dc, item.Caption());
  const int shortCut = TextSize(dc, ShortCutToText(item.ShortCut())).cx;
  const TMenuItemSize size = MenuItemSize(item.IsLine(), caption.cx, caption.cy, shortCut);
  width = size.width;
  height = size.height;
}

// The background, check column and the item's own bitmap are composed off screen and
// copied in one call; image list pictures and text are drawn on top.
void DrawMenuItem(const TSkinEngineLink* link, TMenuItem& item, HDC dc, const RECT& rect, UINT state) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  DcStateGuard guard(dc);
  const TMenu* menu = item.Menu();
  const TImageList* images = menu ? menu->Images : nullptr;
  const TFont font = ItemFont(item);
  ::SelectObject(dc, font.Handle());
  const std::string shortCut = ShortCutToText(item.ShortCut());
  const TMenuCheckImages& checks = MenuCheckImages();

  TMenuItemFacts facts;
  facts.separator = item.IsLine();
  facts.selected = (state & ODS_SELECTED) != 0;
  facts.enabled = item.Enabled();
  facts.checked = item.Checked();
  facts.isDefault = item.Default();
  facts.rightToLeft = menu && menu->RightToLeft();
  facts.hasImageList = images != nullptr;
  facts.imageIndex = item.ImageIndex;
  facts.imageCount = images ? images->Count() : 0;
  facts.imageWidth = images ? images->Width() : 0;
  facts.hasOwnBitmap = !item.Bitmap.Empty();
  facts.checkMarkWidth = checks.Count() > 0 ? checks.Image(0).Width() : 0;
  facts.shortCutWidth = TextSize(dc, shortCut).cx;
  const TRect area{rect.left, rect.top, rect.right, rect.bottom};
  const TMenuItemPlan plan = PlanMenuItem(area, facts, SkinMenuColors(link));

  TBitmap canvas(area.Width(), area.Height());
  TMenuItemPictures pictures;
  if (checks.Count() > 0) {
    pictures.checkMark = &checks.Image(0);
    pictures.checkMarkMask = checks.MaskColor(0);
  }
  pictures.ownBitmap = &item.Bitmap;
  ComposeMenuItem(canvas, area.left, area.top, plan, pictures);
  DrawBitmap(dc, area.left, area.top, canvas);

  if (plan.picture == TMenuPicture::ListImage && images)
    images->Draw(dc, plan.pictureX, plan.pictureY, item.ImageIndex, facts.enabled);
  if (!plan.text) return;
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(plan.textColor));
  DrawItemText(dc, item.Caption(), plan.captionRect,
               DT_SINGLELINE | DT_VCENTER | (plan.captionRightAligned ? DT_RIGHT : 0));
  DrawItemText(dc, shortCut, plan.shortCutRect, DT_SINGLELINE | DT_VCENTER);
}

}  // namespace zentavo
