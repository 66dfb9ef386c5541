#pragma once
#include "framework/win/Control.h"

namespace zentavo {

enum class TScrollBarKind { sbHorizontal, sbVertical };

// A scroll bar control (superclassed "SCROLLBAR"). Position runs from Min to
// Max - PageSize + 1, so that a page of PageSize ends exactly at Max; the user's moves
// (arrows, page clicks, the dragged thumb) run OnChange, moves from code do not.
class TScrollBar : public TWinControl {
  ZENTAVO_CLASS(TScrollBar, TWinControl)
 public:
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  // Makes the window anew when it exists: the kind is part of the window's style.
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int PageSize() const { return pageSize_; }
  void SetParams(int position, int min, int max);
  void SetPosition(int position) { SetParams(position, min_, max_); }
  void SetMin(int min) { SetParams(position_, min, max_); }
  void SetMax(int max) { SetParams(position_, min_, max); }
  void SetPageSize(int pageSize);
  int SmallChange = 1;
  int LargeChange = 1;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  int Clamp(int position) const;
  void PushInfo();
  void Scroll(WORD code);
  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
};

}  // namespace zentavo
