#include "skin/win/SkinMenuBar.h"

#include <commctrl.h>

#include "framework/win/Canvas.h"
#include "framework/win/ImageList.h"
#include "framework/win/WideText.h"
#include "skin/win/SkinFormMenus.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

TsuiSkinMenuBar::TsuiSkinMenuBar(TComponent* owner, TsuiSkinEngine& engine)
    : TToolBar(owner), link_(SkinEngineLink(engine)) {
  SetVisible(false);
  SetFlat(true);
  SetShowCaptions(true);
  SetParentColor(false);
  SetWrapable(true);
  SetAutoSize(true);
  SetAlign(TAlign::alTop);
  SetColor(SkinMenuColors(link_.get())[mcMenuBar]);
  OnCustomDrawButton = [this](TToolBar*, TToolButton* button, HDC dc, const RECT& rect, UINT state,
                              bool& defaultDraw) {
    defaultDraw = false;
    try {
      DrawMenuBarButton(*button, dc, rect, state);
    } catch (...) {
    }
  };
}

void TsuiSkinMenuBar::Fill(TMainMenu& menu) {
  SetAutoSize(false);
  SetImages(menu.Images);
  GetMenuFont(Font);
  FontChanged();
  SetList(Images() != nullptr);
  ClearButtons();
  TMenuItem& root = menu.Items();
  for (int i = 0; i < root.Count(); ++i) {
    TMenuItem& item = *root.Items(i);
    TToolButton& button = AddButton();
    button.Grouped = true;
    button.AutoSize = true;
    // Only a picture the list has takes room beside the caption.
    const bool picture = menu.Images && item.ImageIndex >= 0 && item.ImageIndex < menu.Images->Count();
    button.SetImageIndex(picture ? item.ImageIndex : I_IMAGENONE);
    button.SetMenuItem(&item);
  }
  SetAutoSize(true);
}

TToolButton* TsuiSkinMenuBar::HighlightedButton() const {
  for (int i = 0; i < ButtonCount(); ++i) {
    if (Button(i).Tag == kHighlightedMenuBarButtonTag) return &Button(i);
  }
  return nullptr;
}

void TsuiSkinMenuBar::DrawMenuBarButton(TToolButton& button, HDC dc, const RECT& rect, UINT state) {
  DcStateGuard guard(dc);
  TFont font;
  GetMenuFont(font);
  ::SelectObject(dc, font.Handle());
  TMenuItem* item = button.MenuItem();
  TMenu* menu = item ? item->Menu() : nullptr;
  const TImageList* images = menu ? menu->Images : nullptr;
  TMenuBarButtonFacts facts;
  facts.hot = (state & CDIS_HOT) != 0;
  facts.selected = (state & CDIS_SELECTED) != 0;
  facts.hasImage = images && item->ImageIndex >= 0 && item->ImageIndex < images->Count();
  facts.imageWidth = images ? images->Width() : 0;
  const TMenuBarButtonPlan plan =
      PlanMenuBarButton({rect.left, rect.top, rect.right, rect.bottom}, facts, SkinMenuColors(link_.get()));
  button.Tag = plan.tag;

  if (plan.highlighted) {
    const RECT box{plan.fillRect.left, plan.fillRect.top, plan.fillRect.right, plan.fillRect.bottom};
    BrushHandle fill(::CreateSolidBrush(ColorToRGB(plan.fill)));
    BrushHandle frame(::CreateSolidBrush(ColorToRGB(plan.frame)));
    ::FillRect(dc, &box, fill.get());
    ::FrameRect(dc, &box, frame.get());
  }
  std::wstring caption = Widen(button.Caption());
  RECT text{plan.textRect.left, plan.textRect.top, plan.textRect.right, plan.textRect.bottom};
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(plan.textColor));
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  if (facts.hasImage) images->Draw(dc, plan.imageX, plan.imageY, item->ImageIndex, button.Enabled());
}

void TsuiSkinMenuBar::WndProc(TMessage& message) {
  if (message.Msg == kActivateChildMessage) {
    try {
      if (FormMenus) FormMenus->ActivateChild(reinterpret_cast<HWND>(message.WParam));
    } catch (...) {
    }
    message.Result = 0;
    return;
  }
  if (message.Msg == CM_DIALOGCHAR) {
    // The context code of the character's key data tells that Alt is held.
    const bool alt = (message.LParam & (1 << 29)) != 0 || ::GetKeyState(VK_MENU) < 0;
    if (!alt && !HighlightedButton()) {
      message.Result = 0;
      return;
    }
  }
  TToolBar::WndProc(message);
}

void TsuiSkinMenuBar::MenuPopupCreated(TPopupMenu& popup) {
  popup.OnPopup = [this](TComponent* sender) {
    TMainMenu* shown = FormMenus ? FormMenus->ShownMenu() : nullptr;
    if (auto* dropped = dynamic_cast<TPopupMenu*>(sender); dropped && shown)
      dropped->AutoHotkeys = shown->AutoHotkeys;
  };
}

}  // namespace zentavo
