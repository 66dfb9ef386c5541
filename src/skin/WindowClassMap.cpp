#include "skin/WindowClassMap.h"

namespace zentavo {
namespace {

constexpr unsigned WS_CHILD = 0x40000000;
constexpr unsigned BS_TYPEMASK = 0x0F;
constexpr unsigned BS_PUSHBUTTON = 0x00;
constexpr unsigned BS_DEFPUSHBUTTON = 0x01;
constexpr unsigned BS_CHECKBOX = 0x02;
constexpr unsigned BS_AUTOCHECKBOX = 0x03;
constexpr unsigned BS_RADIOBUTTON = 0x04;
constexpr unsigned BS_3STATE = 0x05;
constexpr unsigned BS_AUTO3STATE = 0x06;
constexpr unsigned BS_USERBUTTON = 0x08;
constexpr unsigned BS_AUTORADIOBUTTON = 0x09;
constexpr unsigned CBS_TYPEMASK = 0x03;
constexpr unsigned CBS_SIMPLE = 0x01;

struct Row {
  const char* upperClassName;
  TWrapperKind wrapper;
};

constexpr Row kWindowClassRows[] = {
    {"COMBOBOX", TWrapperKind::TsuiSkinWndComboBox},
    {"COMBOBOXEX32", TWrapperKind::TsuiSkinWndComboBox},
    {"BUTTON", TWrapperKind::TsuiSkinWndButton},
    {"BUTTON_CHECKBOX", TWrapperKind::TsuiSkinWndCheckBox},
    {"BUTTON_RADIOBUTTON", TWrapperKind::TsuiSkinWndRadioButton},
    {"SYSTABCONTROL32", TWrapperKind::TsuiSkinWndTabControl},
    {"TOOLBARWINDOW32", TWrapperKind::TsuiSkinWndToolbarWindow32},
};

}  // namespace

std::optional<TWrapperKind> FindWindowClassWrapper(std::string_view upperClassName) {
  for (const Row& row : kWindowClassRows) {
    if (upperClassName == row.upperClassName) return row.wrapper;
  }
  return std::nullopt;
}

std::string UpperCaseClassName(std::string_view className) {
  std::string upper(className);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::string ButtonTableName(unsigned style) {
  // The button's kind is the value of its type field, not a set of bits: testing bits
  // would take an owner-drawn button (0xB) for an auto check box and a split button (0xC)
  // for a radio button. Types not listed here are owner-drawn, push boxes, split buttons
  // and command links (left to whoever draws them) and the group box (no face to skin).
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_USERBUTTON:
      return "BUTTON";
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return "BUTTON_CHECKBOX";
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return "BUTTON_RADIOBUTTON";
    default:
      return {};
  }
}

TForeignChildDecision DecideForeignChild(std::string_view className, unsigned style) {
  TForeignChildDecision decision;
  if ((style & WS_CHILD) == 0) return decision;
  std::string name = UpperCaseClassName(className);
  if (name == "SYSANIMATE32" || name == "MSCTLS_PROGRESS32") {
    decision.action = TForeignChildAction::MarkAnimated;
    return decision;
  }
  if (name == "BUTTON") {
    name = ButtonTableName(style);
    if (name.empty()) return decision;
  } else if (name.rfind("BUTTON_", 0) == 0) {
    return decision;  // the suffixed rows are reached through BUTTON only, never by a real class
  } else if (name == "COMBOBOX" && (style & CBS_TYPEMASK) == CBS_SIMPLE) {
    return decision;  // a simple combo box's list is always open; it has no button to skin
  }
  const auto wrapper = FindWindowClassWrapper(name);
  if (!wrapper) return decision;
  decision.wrapper = *wrapper;
  decision.action =
      name == "COMBOBOXEX32" ? TForeignChildAction::WrapFirstChild : TForeignChildAction::WrapWindow;
  return decision;
}

}  // namespace zentavo
