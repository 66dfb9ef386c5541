#include "framework/win/TabControls.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/win/ImageList.h"
#include "framework/win/WideText.h"

namespace zentavo {

// ---- TCustomTabControl ----------------------------------------------------------------

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 289, 193);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = WC_TABCONTROLW;
  params.style |= WS_TABSTOP | WS_CLIPCHILDREN;
  switch (tabPosition_) {
    case TTabPosition::tpTop:
      break;
    case TTabPosition::tpBottom:
      params.style |= TCS_BOTTOM;
      break;
    case TTabPosition::tpLeft:
      params.style |= TCS_VERTICAL | TCS_MULTILINE;
      break;
    case TTabPosition::tpRight:
      params.style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
      break;
  }
}

void TCustomTabControl::CreateHandleDone() {
  if (images_) ::SendMessageW(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
  for (int i = 0; i < TabCount(); ++i) InsertNativeTab(i);
  if (tabIndex_ >= 0) SendMessageW(Handle(), TCM_SETCURSEL, tabIndex_, 0);
}

void TCustomTabControl::InsertNativeTab(int index) {
  std::wstring text = Widen(tabs_[index]);
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.iImage = imageIndexes_[index];
  SendMessageW(Handle(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void TCustomTabControl::AddTab(const std::string& text) {
  tabs_.push_back(text);
  imageIndexes_.push_back(-1);
  if (HandleAllocated()) InsertNativeTab(TabCount() - 1);
  if (tabIndex_ < 0) SetTabIndex(0);
}

void TCustomTabControl::SetTab(int index, const std::string& text) {
  tabs_.at(index) = text;
  if (!HandleAllocated()) return;
  std::wstring wide = Widen(text);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = wide.data();
  SendMessageW(Handle(), TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void TCustomTabControl::DeleteTab(int index) {
  const int chosen = TabIndex();
  tabs_.erase(tabs_.begin() + index);
  imageIndexes_.erase(imageIndexes_.begin() + index);
  if (HandleAllocated()) SendMessageW(Handle(), TCM_DELETEITEM, index, 0);
  SetTabIndex(chosen > index || chosen >= TabCount() ? chosen - 1 : chosen);
}

void TCustomTabControl::ClearTabs() {
  tabs_.clear();
  imageIndexes_.clear();
  tabIndex_ = -1;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
  TabChanged();
}

void TCustomTabControl::SetTabImageIndex(int index, int imageIndex) {
  imageIndexes_.at(index) = imageIndex;
  if (!HandleAllocated()) return;
  TCITEMW item{};
  item.mask = TCIF_IMAGE;
  item.iImage = imageIndex;
  ::SendMessageW(Handle(), TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void TCustomTabControl::SetImages(TImageList* images) {
  images_ = images;
  if (HandleAllocated())
    ::SendMessageW(Handle(), TCM_SETIMAGELIST, 0,
                   reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) SetImages(nullptr);
}

int TCustomTabControl::TabIndex() {
  if (HandleAllocated()) tabIndex_ = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
  return tabIndex_;
}

void TCustomTabControl::SetTabIndex(int index) {
  if (index < 0 && TabCount() > 0) index = 0;
  tabIndex_ = index < TabCount() ? index : -1;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, tabIndex_, 0);
  TabChanged();
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
  if (position == tabPosition_) return;
  TabIndex();
  tabPosition_ = position;
  RecreateWnd();
}

RECT TCustomTabControl::DisplayRect() {
  RECT rect = ClientRect();
  if (HandleAllocated()) SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void TCustomTabControl::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_NOTIFY) {
    if (reinterpret_cast<NMHDR*>(message.LParam)->code == TCN_SELCHANGE) {
      TabIndex();
      TabChanged();
      if (OnChange) OnChange(this);
    }
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TTabSheet ------------------------------------------------------------------------

// A page shows in its page control's colour unless given one.
TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) { parentColor_ = true; }

void TTabSheet::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

int TTabSheet::PageIndex() const {
  return pageControl_ ? pageControl_->IndexOfPage(this) : -1;
}

void TTabSheet::TextChanged() {
  TWinControl::TextChanged();
  if (pageControl_) pageControl_->SetTab(PageIndex(), Caption());
}

// ---- TPageControl ---------------------------------------------------------------------

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TTabSheet& TPageControl::AddPage(const std::string& caption) {
  TTabSheet& page = Make<TTabSheet>();
  page.SetCaption(caption);
  InsertPage(page);
  return page;
}

void TPageControl::InsertPage(TTabSheet& page) {
  page.pageControl_ = this;
  page.SetVisible(false);
  page.SetParent(this);
  pages_.push_back(&page);
  AddTab(page.Caption());
  LayoutPages();
}

int TPageControl::IndexOfPage(const TTabSheet* page) const {
  auto found = std::find(pages_.begin(), pages_.end(), page);
  return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

TTabSheet* TPageControl::ActivePage() {
  const int index = TabIndex();
  return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

void TPageControl::CreateHandleDone() {
  TCustomTabControl::CreateHandleDone();
  LayoutPages();
}

// Every page fills the display area; only the chosen one shows.
void TPageControl::LayoutPages() {
  const RECT area = DisplayRect();
  const int active = TabIndex();
  for (int i = 0; i < PageCount(); ++i) {
    pages_[i]->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
    pages_[i]->SetVisible(i == active);
  }
}

void TPageControl::TabChanged() {
  LayoutPages();
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
  TCustomTabControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  auto found =
      std::find_if(pages_.begin(), pages_.end(), [component](TTabSheet* page) { return page == component; });
  if (found == pages_.end()) return;
  const int index = static_cast<int>(found - pages_.begin());
  pages_.erase(found);
  if (!HasState(csDestroying)) DeleteTab(index);
}

void TPageControl::WndProc(TMessage& message) {
  TCustomTabControl::WndProc(message);
  if (message.Msg == WM_SIZE) LayoutPages();
}

}  // namespace zentavo
