#pragma once
#include <string>

#include "core/DateTime.h"
#include "framework/win/Control.h"

namespace zentavo {

enum class TDateTimeKind { dtkDate, dtkTime };
// How a date is changed: a calendar dropped down from a button, or spin buttons. Times
// always have spin buttons.
enum class TDTDateMode { dmComboBox, dmUpDown };

// A date or time picker (superclassed "SysDateTimePick32") that holds a full date and
// time whatever it shows: changing the date by hand keeps the time of day, changing the
// time keeps the date. Setting the value from code does not run OnChange.
class TDateTimePicker : public TWinControl {
  ZENTAVO_CLASS(TDateTimePicker, TWinControl)
 public:
  explicit TDateTimePicker(TComponent* owner);
  TDateTimeKind Kind = TDateTimeKind::dtkDate;
  TDTDateMode DateMode = TDTDateMode::dmComboBox;
  // A date in drop-down mode: the picker shows a drop-down button, not spin buttons.
  bool UsesDropDown() const { return Kind == TDateTimeKind::dtkDate && DateMode == TDTDateMode::dmComboBox; }
  // Display format in the control's notation, e.g. "yyyy-MM-dd" or "HH:mm:ss".
  void SetFormat(const std::string& format);

  TDateTime DateTime() const { return value_; }
  void SetDateTime(TDateTime value);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  void PushValue();
  std::string format_;
  TDateTime value_;
};

}  // namespace zentavo
