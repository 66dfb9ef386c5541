#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/Bitmap.h"
#include "skin/TabLooks.h"
#include "skin/WrapperKind.h"
#include "skin/win/SkinControlVCL.h"

namespace zentavo {

class TFont;
class TImageList;
class TsuiSkinEngine;

// Tab controls, track bars and progress bars, drawn whole by their wrappers: each is
// composed off screen from the skin and copied to the control in one step. While
// skinning the control never sees WM_ERASEBKGND or WM_PAINT; the wrapper asks it only for
// its geometry (tab, channel and thumb rectangles).

// A tab control's window as the skin draws it, read through the control's messages: tab
// rectangles, selection and images; captions in the font given.
struct TSkinnedTabsSource {
  HWND window = nullptr;
  int width = 0;
  int height = 0;
  RECT display{};  // the page's area, client coordinates
  TTabSide side = TTabSide::Top;
  const TFont* font = nullptr;
  TImageList* images = nullptr;  // none: no tab images
  std::function<std::wstring(int index)> caption;
  bool stacked = false;  // tabs of system dialogs (see ComposeStackedTabPicture)
};
TBitmap ComposeSkinnedTabs(const TsuiSkinEngine& engine, const TSkinnedTabsSource& source);

class TsuiSkinTabControl : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinTabControl; }
  bool BeforeMessage(TMessage& message) override;

 protected:
  bool Composes() const override { return true; }
  void Compose(TPaintSurface& surface) override;
};

// The track bar keeps the skin's channel, turned for a vertical bar, from one skin
// change to the next; without it (no skin) nothing is drawn.
class TsuiSkinTrackBar : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinTrackBar; }
  const std::optional<TBitmap>& Channel() const { return channel_; }
  bool BeforeMessage(TMessage& message) override;
  void SkinChanged() override;
  void Detach() override;

 protected:
  bool Composes() const override { return true; }
  void Compose(TPaintSurface& surface) override;

 private:
  void MakeChannel();
  std::optional<TBitmap> channel_;
  bool channelVertical_ = false;  // the channel is turned for a vertical bar
};

// The progress bar, drawn over its whole window from the engine's progress bar images;
// every position change repaints it at once.
class TsuiSkinProgressBar : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinProgressBar; }
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint() override;
};

}  // namespace zentavo
