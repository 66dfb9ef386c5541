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
class TGroupBox : public TWinControl {
  ZENTAVO_CLASS(TGroupBox, TWinControl)
 public:
  explicit TGroupBox(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
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

// A one-line text box (superclassed "EDIT").
class TEdit : public TWinControl {
  ZENTAVO_CLASS(TEdit, TWinControl)
 public:
  explicit TEdit(TComponent* owner);
  std::string Text();
  void SetText(const std::string& text);
  TNotifyEvent OnChange;
  // Sees every typed character first; setting it to 0 drops the keystroke.
  std::function<void(TComponent* sender, wchar_t& key)> OnKeyPress;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};

enum class TComboBoxStyle { csDropDown, csDropDownList };

// A drop-down box (superclassed "COMBOBOX"); selecting from code does not run OnChange.
class TComboBox : public TWinControl {
  ZENTAVO_CLASS(TComboBox, TWinControl)
 public:
  explicit TComboBox(TComponent* owner);
  TComboBoxStyle Style = TComboBoxStyle::csDropDownList;
  int DropDownCount = 8;

  void ClearItems();
  void AddItem(const std::string& text);
  int ItemCount() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_.at(index); }
  int ItemIndex();
  void SetItemIndex(int index);
  std::string Text();
  void SetText(const std::string& text);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace zentavo
