#include "framework/win/DateTimePicker.h"

#include <commctrl.h>

#include <cmath>

#include "framework/win/WideText.h"

namespace zentavo {

namespace {

SYSTEMTIME ToSystemTime(TDateTime value) {
  DateTimeParts parts = DecodeDateTime(value);
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(parts.year);
  time.wMonth = static_cast<WORD>(parts.month);
  time.wDay = static_cast<WORD>(parts.day);
  time.wHour = static_cast<WORD>(parts.hour);
  time.wMinute = static_cast<WORD>(parts.minute);
  time.wSecond = static_cast<WORD>(parts.second);
  time.wMilliseconds = static_cast<WORD>(parts.millisecond);
  return time;
}

TDateTime FromSystemTime(const SYSTEMTIME& time) {
  return EncodeDateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond,
                        time.wMilliseconds);
}

// The picker's own notation quotes literal characters.
std::wstring ControlFormat(const std::string& format) {
  std::wstring result;
  for (char c : format) {
    if (std::isalpha(static_cast<unsigned char>(c))) {
      result += static_cast<wchar_t>(c);
    } else {
      result += L'\'';
      result += static_cast<wchar_t>(c);
      result += L'\'';
    }
  }
  return result;
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner), value_(0) {
  color_ = clWindow;
  SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = DATETIMEPICK_CLASSW;
  params.style |= WS_TABSTOP | (Kind == TDateTimeKind::dtkTime ? DTS_TIMEFORMAT : DTS_SHORTDATEFORMAT);
  if (!UsesDropDown()) params.style |= DTS_UPDOWN;
}

void TDateTimePicker::CreateHandleDone() {
  if (!format_.empty()) SendMessageW(Handle(), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(ControlFormat(format_).c_str()));
  PushValue();
}

void TDateTimePicker::SetFormat(const std::string& format) {
  format_ = format;
  if (HandleAllocated())
    SendMessageW(Handle(), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(ControlFormat(format_).c_str()));
}

void TDateTimePicker::SetDateTime(TDateTime value) {
  value_ = value;
  if (HandleAllocated()) PushValue();
}

void TDateTimePicker::PushValue() {
  SYSTEMTIME time = ToSystemTime(value_);
  SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void TDateTimePicker::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    if (header->code == DTN_DATETIMECHANGE) {
      auto* change = reinterpret_cast<NMDATETIMECHANGE*>(message.LParam);
      if (change->dwFlags == GDT_VALID) {
        TDateTime shown = FromSystemTime(change->st);
        TDateTime updated = Kind == TDateTimeKind::dtkDate ? CombineDateTime(DateOf(shown), TimeOf(value_))
                                                           : CombineDateTime(DateOf(value_), TimeOf(shown));
        if (updated != value_) {
          value_ = updated;
          if (OnChange) OnChange(this);
        }
      }
      message.Result = 0;
      return;
    }
  }
  TWinControl::WndProc(message);
}

}  // namespace zentavo
