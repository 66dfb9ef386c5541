#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/win/Control.h"

namespace zentavo {

class TAction;

// A push button (superclassed "BUTTON"). Enter presses the focused button; Default answers
// Enter elsewhere in its form and Cancel answers Esc; "&" in the caption marks an
// accelerator character.
class TButton : public TWinControl {
  ZENTAVO_CLASS(TButton, TWinControl)
 public:
  explicit TButton(TComponent* owner);
  ~TButton() override;
  bool Default = false;
  bool Cancel = false;
  TAction* Action() const { return action_; }
  void SetAction(TAction* action);
  // Presses the button from code: runs its action or OnClick.
  void Click();

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool AnswersDialogKey(WPARAM key);
  TAction* action_ = nullptr;
  int actionSubscription_ = 0;
};

// A framed group with a caption (superclassed "BUTTON" with BS_GROUPBOX); a parent for the
// controls inside it.
class TCustomGroupBox : public TWinControl {
  ZENTAVO_CLASS(TCustomGroupBox, TWinControl)
 public:
  explicit TCustomGroupBox(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};

class TGroupBox : public TCustomGroupBox {
  ZENTAVO_CLASS(TGroupBox, TCustomGroupBox)
 public:
  using TCustomGroupBox::TCustomGroupBox;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A text drawn by its parent (no window of its own).
class TLabel : public TGraphicControl {
  ZENTAVO_CLASS(TLabel, TGraphicControl)
 public:
  explicit TLabel(TComponent* owner);
  TAlignment Alignment = TAlignment::taLeftJustify;
  bool Transparent = true;
  // Sizes the label to its text, as labels do unless told otherwise.
  bool AutoSize = true;

 protected:
  void Paint(HDC dc) override;
  void TextChanged() override;

 private:
  void AdjustSize();
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A text box (superclassed "EDIT"); the text set before the window exists is its first
// text. Setting the text from code runs OnChange as the user's typing does.
class TCustomEdit : public TWinControl {
  ZENTAVO_CLASS(TCustomEdit, TWinControl)
 public:
  explicit TCustomEdit(TComponent* owner);
  std::string Text();
  void SetText(const std::string& text);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // The most characters the user may type; 0 for no limit.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);
  // A character shown in place of each typed one (passwords); 0 shows the text.
  wchar_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(wchar_t character);
  TNotifyEvent OnChange;
  // Sees every typed character first; setting it to 0 drops the keystroke.
  std::function<void(TComponent* sender, wchar_t& key)> OnKeyPress;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  bool readOnly_ = false;
  int maxLength_ = 0;
  wchar_t passwordChar_ = 0;
};

// A one-line text box.
class TEdit : public TCustomEdit {
  ZENTAVO_CLASS(TEdit, TCustomEdit)
 public:
  using TCustomEdit::TCustomEdit;

 protected:
  void CreateParams(TCreateParams& params) override;
};

// A text box of several lines, each line one entry of Lines; Enter starts a new line.
class TMemo : public TCustomEdit {
  ZENTAVO_CLASS(TMemo, TCustomEdit)
 public:
  explicit TMemo(TComponent* owner);
  // Read when the window is made.
  TScrollStyle ScrollBars = TScrollStyle::ssNone;
  bool WordWrap = true;

  std::vector<std::string> Lines();
  void SetLines(const std::vector<std::string>& lines);
  void AddLine(const std::string& line);

 protected:
  void CreateParams(TCreateParams& params) override;
};

// A control that shows a list of texts of which one may be chosen. The items and the
// choice live here until the window exists and are pushed to it when it is made;
// choosing from code does not run the change events.
class TCustomListControl : public TWinControl {
  ZENTAVO_CLASS(TCustomListControl, TWinControl)
 public:
  explicit TCustomListControl(TComponent* owner);

  void ClearItems();
  void AddItem(const std::string& text);
  int ItemCount() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_.at(index); }
  int ItemIndex();
  void SetItemIndex(int index);

 protected:
  // The native side of the list: add the item at `index` of items_, clear, read and set
  // the choice (-1 for none).
  virtual void NativeAdd(int index) = 0;
  virtual void NativeClear() = 0;
  virtual int NativeItemIndex() = 0;
  virtual void NativeSetItemIndex(int index) = 0;
  // Pushes the items and the choice into a new window.
  void PushItems();

  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

// csSimple: the list is always shown below the edit box, and the control's height is
// that of both.
enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// A drop-down box (superclassed "COMBOBOX").
class TCustomComboBox : public TCustomListControl {
  ZENTAVO_CLASS(TCustomComboBox, TCustomListControl)
 public:
  explicit TCustomComboBox(TComponent* owner);
  TComboBoxStyle Style = TComboBoxStyle::csDropDownList;
  int DropDownCount = 8;

  std::string Text();
  void SetText(const std::string& text);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void NativeAdd(int index) override;
  void NativeClear() override;
  int NativeItemIndex() override;
  void NativeSetItemIndex(int index) override;
};

class TComboBox : public TCustomComboBox {
  ZENTAVO_CLASS(TComboBox, TCustomComboBox)
 public:
  using TCustomComboBox::TCustomComboBox;
};

// A list of texts always open (superclassed "LISTBOX"); the user's choice runs OnClick,
// a double click OnDblClick.
class TCustomListBox : public TCustomListControl {
  ZENTAVO_CLASS(TCustomListBox, TCustomListControl)
 public:
  explicit TCustomListBox(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void NativeAdd(int index) override;
  void NativeClear() override;
  int NativeItemIndex() override;
  void NativeSetItemIndex(int index) override;
};

class TListBox : public TCustomListBox {
  ZENTAVO_CLASS(TListBox, TCustomListBox)
 public:
  using TCustomListBox::TCustomListBox;
};

}  // namespace zentavo
