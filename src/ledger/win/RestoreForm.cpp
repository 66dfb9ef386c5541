#include "ledger/win/RestoreForm.h"


namespace zentavo {

TfrmRestore::TfrmRestore(TComponent* owner)
    : TForm(owner),
      labelCopies(MakeNamed<TLabel>("labelCopies")),
      listCopies(MakeNamed<TListBox>("listCopies")),
      buttonOK(MakeNamed<TButton>("buttonOK")),
      buttonCancel(MakeNamed<TButton>("buttonCancel")) {
  SetName("frmRestore");
  SetCaption("Restore from backup");
  BorderStyle = TFormBorderStyle::bsDialog;
  BorderIcons = biSystemMenu;
  SetClientSize(460, 300);
  labelCopies.SetParent(this);
  labelCopies.SetBounds(12, 12, 436, 16);
  labelCopies.SetCaption("Kept copies of the ledger, newest first:");
  listCopies.SetParent(this);
  listCopies.SetBounds(12, 32, 436, 220);
  buttonOK.SetParent(this);
  buttonOK.SetBounds(286, 264, 75, 25);
  buttonOK.SetCaption("Restore");
  buttonOK.Default = true;
  buttonOK.OnClick = [this](TComponent*) {
    if (listCopies.ItemIndex() >= 0) ModalResult = IDOK;
  };
  buttonCancel.SetParent(this);
  buttonCancel.SetBounds(373, 264, 75, 25);
  buttonCancel.SetCaption("Cancel");
  buttonCancel.Cancel = true;
  buttonCancel.OnClick = [this](TComponent*) { ModalResult = IDCANCEL; };
  FormCreated();
}

void TfrmRestore::ApplyTexts(const TRestoreTexts& texts) {
  SetCaption(texts.caption);
  labelCopies.SetCaption(texts.labelCopies);
  buttonOK.SetCaption(texts.buttonOK);
  buttonCancel.SetCaption(texts.buttonCancel);
}

std::string TfrmRestore::Choose(const std::vector<RestoreChoice>& choices) {
  choices_ = choices;
  listCopies.ClearItems();
  for (const RestoreChoice& choice : choices_) listCopies.AddItem(choice.line);
  listCopies.SetItemIndex(choices_.empty() ? -1 : 0);
  if (ShowModal() != IDOK) return {};
  const int chosen = listCopies.ItemIndex();
  return chosen >= 0 && chosen < static_cast<int>(choices_.size()) ? choices_[chosen].path : std::string();
}

}  // namespace zentavo
