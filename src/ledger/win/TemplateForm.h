#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/DateTime.h"
#include "framework/win/DateTimePicker.h"
#include "framework/win/Form.h"
#include "framework/win/StdCtrls.h"

namespace zentavo {

class LanguageFile;
class TfrmCommon;
class TfrmMain;
struct EntryEditRequest;
struct LedgerStatement;

// What the editor does with its fields on OK.
enum class EditorMode { IncomeAdd = 0, IncomeModify = 1, OutGoAdd = 2, OutGoModify = 3 };

// The entry editor: one modeless dialog, created hidden at start-up and reused for every
// add and change of an income or outgo entry. It writes through the main window's ledger
// connection, refreshes the main window's list and remembers the category in the
// category list file of its flow.
class TfrmTemplate : public TForm {
  ZENTAVO_CLASS(TfrmTemplate, TForm)
 public:
  TfrmTemplate(TComponent* owner, TfrmMain& main, TfrmCommon& common);

  // Applies the texts of section frmTemplate that show directly and keeps the captions and
  // labels of the four modes for FormShow.
  void ApplyLanguage(const LanguageFile& texts);

  // The main window's two ways in: a new entry of the flow, dated now; or a change of a
  // listed entry. Both show the editor without waiting for it.
  void AddEntry(bool income, TDateTime now);
  void ModifyEntry(const EntryEditRequest& request);

  // Fill comboBoxType from the flow's list file and set its text to the category (which
  // need not be in the list). A missing file leaves the list as it is.
  void LoadIncomeTypes(const std::string& category);
  void LoadOutgoTypes(const std::string& category);
  // Add the category to the flow's list file unless a line equals it.
  void SaveIncomeType(const std::string& category);
  void SaveOutgoType(const std::string& category);
  // Store the fields as a new entry or as the change of entry EntryId, then run the main
  // window's query.
  void InsertIncome();
  void InsertOutgo();
  void UpdateIncome();
  void UpdateOutgo();

  // Set by the main window before each showing; kept until it sets them again.
  EditorMode Mode = EditorMode::IncomeAdd;
  std::int64_t EntryId = 0;

  TLabel& labelDate;
  TDateTimePicker& dateTemplate;
  TLabel& labelTime;
  TDateTimePicker& timeTemplate;
  TLabel& labelType;
  TComboBox& comboBoxType;
  TLabel& labelMoney;
  TEdit& textMoney;
  TLabel& labelCurrency;
  TLabel& labelNotice;
  TEdit& textNotice;
  TButton& buttonOK;
  TButton& buttonCancel;

 protected:
  void FormShow();
  void FormActivate();
  void buttonOKClick();
  void buttonCancelClick();
  void Edit1KeyPress(wchar_t& key);

 private:
  void BuildControls();
  bool Income() const { return Mode == EditorMode::IncomeAdd || Mode == EditorMode::IncomeModify; }
  void LoadTypes(const std::string& file, const std::string& category);
  void ShowEditor();
  void RunStatement(const LedgerStatement& statement, bool change);

  TfrmMain& main_;
  TfrmCommon& common_;
  // Stored texts: captions by mode, and the date, time, category and amount labels of the
  // income modes and of the outgo modes.
  std::array<std::string, 4> captions_;
  std::array<std::string, 4> incomeLabels_;
  std::array<std::string, 4> outgoLabels_;
};

}  // namespace zentavo
