#pragma once
#include <windows.h>

#include "skin/WrapperKind.h"
#include "skin/win/SkinControlVCL.h"

namespace zentavo {

// Tab controls, track bars and progress bars, each drawn off screen.

class TsuiSkinTabControl : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinTabControl; }
};

class TsuiSkinTrackBar : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinTrackBar; }
};

class TsuiSkinProgressBar : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinProgressBar; }
};

}  // namespace zentavo
