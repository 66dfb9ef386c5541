#include "framework/win/ComboBoxEx.h"

#include <commctrl.h>

#include "framework/win/ImageList.h"
#include "framework/win/WideText.h"

namespace zentavo {

TCustomComboBoxEx::TCustomComboBoxEx(TComponent* owner) : TCustomListControl(owner) {
  SetBounds(0, 0, 145, 22);
}

void TCustomComboBoxEx::CreateParams(TCreateParams& params) {
  TCustomListControl::CreateParams(params);
  params.baseClassName = WC_COMBOBOXEXW;
  params.style |= WS_TABSTOP | CBS_DROPDOWNLIST;
  // The window's height includes the drop-down list.
  params.height = Height() + DropDownCount * 18;
}

void TCustomComboBoxEx::CreateHandleDone() {
  if (imageList_)
    SendMessageW(Handle(), CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageList_->Handle()));
  PushItems();
}

void TCustomComboBoxEx::AddItemWithImage(const std::string& text, int imageIndex) {
  images_.resize(items_.size(), -1);
  images_.push_back(imageIndex);
  AddItem(text);
}

void TCustomComboBoxEx::SetImages(TImageList* images) {
  imageList_ = images;
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), CBEM_SETIMAGELIST, 0,
               reinterpret_cast<LPARAM>(imageList_ ? imageList_->Handle() : nullptr));
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TCustomComboBoxEx::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == imageList_) SetImages(nullptr);
}

void TCustomComboBoxEx::NativeAdd(int index) {
  images_.resize(items_.size(), -1);
  std::wstring text = Widen(items_[index]);
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
  item.iItem = index;
  item.pszText = text.data();
  item.iImage = item.iSelectedImage = images_[index];
  SendMessageW(Handle(), CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TCustomComboBoxEx::NativeClear() {
  images_.clear();
  SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
}

int TCustomComboBoxEx::NativeItemIndex() {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBoxEx::NativeSetItemIndex(int index) {
  SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

void TCustomComboBoxEx::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_COMMAND) {
    if (HIWORD(message.WParam) == CBN_SELCHANGE && OnChange) OnChange(this);
    message.Result = 0;
    return;
  }
  if (message.Msg == CN_BASE + WM_NOTIFY) {
    message.Result = 0;
    return;
  }
  TCustomListControl::WndProc(message);
}

}  // namespace zentavo
