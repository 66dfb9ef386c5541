#include "ledger/win/MainForm.h"

namespace zentavo {

TfrmMain::TfrmMain(TComponent* owner) : TForm(owner) {
  SetName("frmMain");
  BorderStyle = TFormBorderStyle::bsSingle;
  BorderIcons = biSystemMenu | biMinimize;
  SetCaption("Zentavo");
  SetBounds(297, 179, 0, 0);
  SetClientSize(452, 335);
  FormCreated();
}

}  // namespace zentavo
