#pragma once
#include <string>
#include <vector>

#include "framework/win/Control.h"

namespace zentavo {

class TImageList;

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// A row of tabs (superclassed "SysTabControl32"); the user's choice runs OnChange, a
// choice from code does not. Tabs on the left or right stack in several rows, as the
// native control needs.
class TCustomTabControl : public TWinControl {
  ZENTAVO_CLASS(TCustomTabControl, TWinControl)
 public:
  explicit TCustomTabControl(TComponent* owner);

  int TabCount() const { return static_cast<int>(tabs_.size()); }
  const std::string& Tab(int index) const { return tabs_.at(index); }
  void AddTab(const std::string& text);
  void SetTab(int index, const std::string& text);
  void ClearTabs();
  int TabIndex();
  void SetTabIndex(int index);
  TTabPosition TabPosition() const { return tabPosition_; }
  // Makes the window anew when it exists: the side of the tabs is a creation style.
  void SetTabPosition(TTabPosition position);
  // The client area below (or beside) the tabs, where pages go.
  RECT DisplayRect();
  // Pictures beside the captions: each tab shows the picture of its image index (-1, the
  // default, none).
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  int TabImageIndex(int index) const { return imageIndexes_.at(index); }
  void SetTabImageIndex(int index, int imageIndex);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // Runs after the selected tab changed, by the user or from code.
  virtual void TabChanged() {}
  void InsertNativeTab(int index);
  void DeleteTab(int index);

 private:
  std::vector<std::string> tabs_;
  std::vector<int> imageIndexes_;  // one per tab
  TImageList* images_ = nullptr;
  int tabIndex_ = -1;
  TTabPosition tabPosition_ = TTabPosition::tpTop;
};

class TTabControl : public TCustomTabControl {
  ZENTAVO_CLASS(TTabControl, TCustomTabControl)
 public:
  using TCustomTabControl::TCustomTabControl;
};

class TPageControl;

// One page of a page control: a container shown while its tab is chosen; its caption is
// the tab's text.
class TTabSheet : public TWinControl {
  ZENTAVO_CLASS(TTabSheet, TWinControl)
 public:
  explicit TTabSheet(TComponent* owner);
  TPageControl* PageControl() const { return pageControl_; }
  int PageIndex() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void TextChanged() override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
};

// Tabs with a page under each: the page of the chosen tab is shown, the others hidden.
class TPageControl : public TCustomTabControl {
  ZENTAVO_CLASS(TPageControl, TCustomTabControl)
 public:
  explicit TPageControl(TComponent* owner);
  // Makes a page owned by the page control, with its tab at the end.
  TTabSheet& AddPage(const std::string& caption);
  // Adds a page made elsewhere (owned by a form).
  void InsertPage(TTabSheet& page);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet& Page(int index) const { return *pages_.at(index); }
  int IndexOfPage(const TTabSheet* page) const;
  TTabSheet* ActivePage();
  void SetActivePage(TTabSheet* page) { SetTabIndex(IndexOfPage(page)); }

 protected:
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void TabChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TTabSheet;
  void LayoutPages();
  std::vector<TTabSheet*> pages_;
};

}  // namespace zentavo
