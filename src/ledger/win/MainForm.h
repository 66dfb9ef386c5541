#pragma once
#include "framework/win/Form.h"

namespace zentavo {

// The program's main window: the period, the entry list and the totals.
class TfrmMain : public TForm {
  ZENTAVO_CLASS(TfrmMain, TForm)
 public:
  explicit TfrmMain(TComponent* owner);
};

}  // namespace zentavo
