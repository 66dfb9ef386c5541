#pragma once
#include <string>
#include <vector>

#include "framework/win/Form.h"
#include "framework/win/StdCtrls.h"

namespace zentavo {

// The dialog's texts (section frmRestore of the language file); empty: the built-in ones.
struct TRestoreTexts {
  std::string caption, labelCopies, buttonOK, buttonCancel;
};

// One copy in the list: its file and the line that describes it.
struct RestoreChoice {
  std::string path;
  std::string line;
};

// The dialog that lists the ledger's kept copies, newest first, with the date, the number
// of entries and the totals of each, and lets the user pick the one to put back.
class TfrmRestore : public TForm {
  ZENTAVO_CLASS(TfrmRestore, TForm)
 public:
  explicit TfrmRestore(TComponent* owner);

  void ApplyTexts(const TRestoreTexts& texts);
  // Shows the list as a dialog; the chosen copy's path, or "" when the user cancelled.
  std::string Choose(const std::vector<RestoreChoice>& choices);

  TLabel& labelCopies;
  TListBox& listCopies;
  TButton& buttonOK;
  TButton& buttonCancel;

 private:
  std::vector<RestoreChoice> choices_;
};

}  // namespace zentavo
