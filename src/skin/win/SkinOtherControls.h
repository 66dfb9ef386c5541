#pragma once
#include <windows.h>

#include "skin/WrapperKind.h"
#include "skin/win/SkinControlVCL.h"
#include "skin/win/SkinScrolled.h"

namespace zentavo {

// Up-downs, status bars, tool bars, the list view's column header and grids.

class TsuiSkinUpDown : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinUpDown; }
};

class TsuiSkinStatusBar : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinStatusBar; }
  bool WantsParentColor() const override { return true; }
};

class TsuiSkinToolBar : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinToolBar; }
  bool WantsParentColor() const override { return true; }
};

class TsuiSkinListView : public TsuiSkinScrollWinControl {
 public:
  using TsuiSkinScrollWinControl::TsuiSkinScrollWinControl;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinListView; }
};

class TsuiSkinGrid : public TsuiSkinScrollWinControl {
 public:
  using TsuiSkinScrollWinControl::TsuiSkinScrollWinControl;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinGrid; }
};

}  // namespace zentavo
