#include "ledger/win/TemplateForm.h"

#include <initializer_list>

#include "app/win/CommonForm.h"
#include "core/Error.h"
#include "ledger/CategoryList.h"
#include "ledger/LedgerStatement.h"
#include "ledger/win/MainForm.h"
#include "localization/LanguageFile.h"

namespace zentavo {

namespace {
constexpr int kClientWidth = 293;
constexpr int kClientHeight = 244;
// Field rows: labels at the left, inputs in one column beside them.
constexpr int kLabelLeft = 16;
constexpr int kInputLeft = 96;
constexpr int kInputWidth = 177;
constexpr int kRowTop = 18;
constexpr int kRowStep = 34;
constexpr int kLabelDrop = 4;  // labels sit level with the text inside the inputs

constexpr const char* kCaptionKeys[] = {"captionIncomeAdd", "captionIncomeModify", "captionOutGoAdd",
                                        "captionOutGoModify"};
constexpr const char* kLabelKeys[] = {"labelDate", "labelTime", "labelType", "labelMoney"};
}  // namespace

TfrmTemplate::TfrmTemplate(TComponent* owner, TfrmMain& main, TfrmCommon& common)
    : TForm(owner),
      labelDate(MakeNamed<TLabel>("labelDate")),
      dateTemplate(MakeNamed<TDateTimePicker>("dateTemplate")),
      labelTime(MakeNamed<TLabel>("labelTime")),
      timeTemplate(MakeNamed<TDateTimePicker>("timeTemplate")),
      labelType(MakeNamed<TLabel>("labelType")),
      comboBoxType(MakeNamed<TComboBox>("comboBoxType")),
      labelMoney(MakeNamed<TLabel>("labelMoney")),
      textMoney(MakeNamed<TEdit>("textMoney")),
      labelCurrency(MakeNamed<TLabel>("labelCurrency")),
      labelNotice(MakeNamed<TLabel>("labelNotice")),
      textNotice(MakeNamed<TEdit>("textNotice")),
      buttonOK(MakeNamed<TButton>("buttonOK")),
      buttonCancel(MakeNamed<TButton>("buttonCancel")),
      main_(main),
      common_(common) {
  SetName("frmTemplate");
  BorderStyle = TFormBorderStyle::bsDialog;
  BorderIcons = biSystemMenu;
  BuildControls();
  SetBounds(378, 242, 0, 0);
  SetClientSize(kClientWidth, kClientHeight);
  OnShow = [this](TComponent*) { FormShow(); };
  // Coming back from the editor's own message box (an error after OK) is no return from
  // another window: the fields stay as they were.
  OnActivate = [this](TComponent*) {
    if (!ReturningFromOwnedWindow()) FormActivate();
  };
  FormCreated();
}

void TfrmTemplate::BuildControls() {
  auto row = [](int index) { return kRowTop + index * kRowStep; };
  TLabel* labels[] = {&labelDate, &labelTime, &labelType, &labelMoney, &labelNotice};
  for (int i = 0; i < 5; ++i) {
    labels[i]->SetParent(this);
    labels[i]->SetBounds(kLabelLeft, row(i) + kLabelDrop, 76, 13);
  }
  dateTemplate.SetParent(this);
  dateTemplate.Kind = TDateTimeKind::dtkDate;
  dateTemplate.SetFormat("yyyy-MM-dd");
  dateTemplate.SetBounds(kInputLeft, row(0), kInputWidth, 21);
  timeTemplate.SetParent(this);
  timeTemplate.Kind = TDateTimeKind::dtkTime;
  timeTemplate.SetFormat("HH:mm:ss");
  timeTemplate.SetBounds(kInputLeft, row(1), kInputWidth, 21);
  comboBoxType.SetParent(this);
  comboBoxType.Style = TComboBoxStyle::csDropDown;
  comboBoxType.SetBounds(kInputLeft, row(2), kInputWidth, 21);
  textMoney.SetParent(this);
  textMoney.SetBounds(kInputLeft, row(3), 145, 21);
  textMoney.OnKeyPress = [this](TComponent*, wchar_t& key) { Edit1KeyPress(key); };
  labelCurrency.SetParent(this);
  labelCurrency.SetBounds(kInputLeft + 145 + 6, row(3) + kLabelDrop, 26, 13);
  textNotice.SetParent(this);
  textNotice.SetBounds(kInputLeft, row(4), kInputWidth, 21);

  buttonOK.SetParent(this);
  buttonOK.SetBounds(56, 200, 75, 25);
  buttonOK.OnClick = [this](TComponent*) { buttonOKClick(); };
  buttonCancel.SetParent(this);
  buttonCancel.SetBounds(162, 200, 75, 25);
  buttonCancel.Cancel = true;  // Esc
  buttonCancel.OnClick = [this](TComponent*) { buttonCancelClick(); };
}

void TfrmTemplate::ApplyLanguage(const LanguageFile& texts) {
  auto text = [&](const std::string& key) { return texts.Text("frmTemplate", key); };
  for (TControl* control : std::initializer_list<TControl*>{&labelNotice, &labelCurrency, &buttonOK, &buttonCancel})
    control->SetCaption(text(control->Name()));
  for (size_t i = 0; i < captions_.size(); ++i) captions_[i] = text(kCaptionKeys[i]);
  for (size_t i = 0; i < incomeLabels_.size(); ++i) {
    incomeLabels_[i] = text(std::string("inCome") + kLabelKeys[i]);
    outgoLabels_[i] = text(std::string("outGo") + kLabelKeys[i]);
  }
}

void TfrmTemplate::AddEntry(bool income, TDateTime now) {
  Mode = income ? EditorMode::IncomeAdd : EditorMode::OutGoAdd;
  dateTemplate.SetFormat("yyyy-MM-dd");
  timeTemplate.SetFormat("HH:mm:ss");
  dateTemplate.SetDateTime(now);
  timeTemplate.SetDateTime(now);
  textMoney.SetText("");
  textNotice.SetText("");
  // The category list is loaded when the editor becomes active (FormActivate).
  ShowEditor();
}

void TfrmTemplate::ModifyEntry(const EntryEditRequest& request) {
  EntryId = request.key;
  dateTemplate.SetDateTime(request.date);
  timeTemplate.SetDateTime(request.timeOfDay);
  textMoney.SetText(request.amount);
  textNotice.SetText(request.note);
  if (request.income) {
    LoadIncomeTypes(request.category);
    Mode = EditorMode::IncomeModify;
  } else {
    LoadOutgoTypes(request.category);
    Mode = EditorMode::OutGoModify;
  }
  ShowEditor();
}

// Showing a window that is already visible sends no show message, and one that is already
// active gets no activation: the editor, left open in one mode and asked for another, would
// keep the old caption, labels and category list. Both handlers run here in that case.
void TfrmTemplate::ShowEditor() {
  const bool wasShowing = Showing();
  const bool wasActive = wasShowing && GetActiveWindow() == Handle();
  if (wasShowing) FormShow();
  Show();
  if (wasActive) FormActivate();
}

void TfrmTemplate::FormShow() {
  SetCaption(captions_[static_cast<size_t>(Mode)]);
  const std::array<std::string, 4>& labels = Income() ? incomeLabels_ : outgoLabels_;
  labelDate.SetCaption(labels[0]);
  labelTime.SetCaption(labels[1]);
  labelType.SetCaption(labels[2]);
  labelMoney.SetCaption(labels[3]);
}

// In the add modes every return to the editor reloads the list and empties the category;
// date, time, amount and note stay.
void TfrmTemplate::FormActivate() {
  if (Mode == EditorMode::IncomeAdd) LoadIncomeTypes("");
  if (Mode == EditorMode::OutGoAdd) LoadOutgoTypes("");
}

void TfrmTemplate::LoadIncomeTypes(const std::string& category) {
  LoadTypes(common_.Settings().IncomeTypeFile, category);
}

void TfrmTemplate::LoadOutgoTypes(const std::string& category) {
  LoadTypes(common_.Settings().OutgoTypeFile, category);
}

// A read failure leaves the lines read before it in the list.
void TfrmTemplate::LoadTypes(const std::string& file, const std::string& category) {
  if (CategoryListExists(file)) {
    comboBoxType.ClearItems();
    ReadCategoryList(file, [this](const std::string& line) { comboBoxType.AddItem(line); });
  }
  comboBoxType.SetText(category);
}

void TfrmTemplate::SaveIncomeType(const std::string& category) {
  SaveCategory(common_.Settings().IncomeTypeFile, category);
}

void TfrmTemplate::SaveOutgoType(const std::string& category) {
  SaveCategory(common_.Settings().OutgoTypeFile, category);
}

void TfrmTemplate::InsertIncome() {
  RunStatement(AddIncomeStatement(dateTemplate.DateTime(), timeTemplate.DateTime(), comboBoxType.Text(),
                                  textNotice.Text(), textMoney.Text()),
               false);
}

void TfrmTemplate::InsertOutgo() {
  RunStatement(AddOutgoStatement(dateTemplate.DateTime(), timeTemplate.DateTime(), comboBoxType.Text(),
                                 textNotice.Text(), textMoney.Text()),
               false);
}

void TfrmTemplate::UpdateIncome() {
  RunStatement(ChangeIncomeStatement(dateTemplate.DateTime(), timeTemplate.DateTime(), comboBoxType.Text(),
                                     textNotice.Text(), textMoney.Text(), EntryId),
               true);
}

void TfrmTemplate::UpdateOutgo() {
  RunStatement(ChangeOutgoStatement(dateTemplate.DateTime(), timeTemplate.DateTime(), comboBoxType.Text(),
                                    textNotice.Text(), textMoney.Text(), EntryId),
               true);
}

// A change that reaches no row (the entry was deleted while the editor was open) would
// otherwise close the editor as if it had been stored.
void TfrmTemplate::RunStatement(const LedgerStatement& statement, bool change) {
  const int changed = main_.Ledger().ExecuteLedgerCommand(statement);
  if (change && changed == 0) throw Error("The entry being changed no longer exists; nothing was stored");
  main_.buttonQuery.Click();
}

void TfrmTemplate::buttonOKClick() {
  const std::string category = comboBoxType.Text();
  switch (Mode) {
    case EditorMode::IncomeAdd:
      InsertIncome();
      break;
    case EditorMode::IncomeModify:
      UpdateIncome();
      break;
    case EditorMode::OutGoAdd:
      InsertOutgo();
      break;
    case EditorMode::OutGoModify:
      UpdateOutgo();
      break;
  }
  // The entry is stored now. The editor closes before the category is saved, so that a
  // list file that cannot be written is reported without leaving an OK button that would
  // store the same entry a second time.
  Hide();
  if (Income()) {
    SaveIncomeType(category);
  } else {
    SaveOutgoType(category);
  }
}

void TfrmTemplate::buttonCancelClick() { Hide(); }

// Only digits, the full stop and backspace reach the amount box; pasted text is not
// filtered, so the amount is still checked when it is converted.
void TfrmTemplate::Edit1KeyPress(wchar_t& key) {
  if ((key >= L'0' && key <= L'9') || key == L'.' || key == 8) return;
  key = 0;
}

}  // namespace zentavo
