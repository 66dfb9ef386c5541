#pragma once
#include "framework/win/StdCtrls.h"

namespace zentavo {

class TImageList;

// A drop-down list whose items carry a picture of an image list beside their text
// (superclassed "ComboBoxEx32"). The user's choice runs OnChange, a choice from code does
// not.
class TCustomComboBoxEx : public TCustomListControl {
  ZENTAVO_CLASS(TCustomComboBoxEx, TCustomListControl)
 public:
  explicit TCustomComboBoxEx(TComponent* owner);
  int DropDownCount = 8;
  // Adds an item showing picture `imageIndex` of Images (-1 for none).
  void AddItemWithImage(const std::string& text, int imageIndex);
  int ItemImage(int index) const { return images_.at(index); }
  TImageList* Images() const { return imageList_; }
  void SetImages(TImageList* images);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void NativeAdd(int index) override;
  void NativeClear() override;
  int NativeItemIndex() override;
  void NativeSetItemIndex(int index) override;

 private:
  std::vector<int> images_;  // picture per item, parallel to items_
  TImageList* imageList_ = nullptr;
};

class TComboBoxEx : public TCustomComboBoxEx {
  ZENTAVO_CLASS(TComboBoxEx, TCustomComboBoxEx)
 public:
  using TCustomComboBoxEx::TCustomComboBoxEx;
};

}  // namespace zentavo
