#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "skin/WrapperKind.h"

namespace zentavo {

// Which wrapper a child window of a foreign window (a system dialog, a message box) gets,
// by its window class. The table holds upper-case class names, searched from the first row.
// Besides real class names it holds BUTTON_CHECKBOX and BUTTON_RADIOBUTTON: every button
// control shares the class BUTTON, so the button's style picks the row.
std::optional<TWrapperKind> FindWindowClassWrapper(std::string_view upperClassName);

// A window class name in upper case (ASCII letters), as the table and the hook compare them.
std::string UpperCaseClassName(std::string_view className);

// The table name a BUTTON of the given style goes under: "BUTTON", "BUTTON_CHECKBOX",
// "BUTTON_RADIOBUTTON", or the empty text for buttons the skin leaves alone (group boxes,
// and buttons their owner or the system draws in ways no skinned face reproduces).
std::string ButtonTableName(unsigned style);

enum class TForeignChildAction {
  Skip,            // no wrapper
  MarkAnimated,    // no wrapper; the frame notes an animated child (button timers stay off)
  WrapWindow,      // wrap the child window itself
  WrapFirstChild,  // wrap the child's own first child window (the edit-combo of a COMBOBOXEX32)
};

struct TForeignChildDecision {
  TForeignChildAction action = TForeignChildAction::Skip;
  TWrapperKind wrapper = TWrapperKind::TsuiSkinWndButton;  // meaningful for the two wraps
};

// The decision for one direct child window of a foreign window, from its class name (any
// case) and its window style. Windows without WS_CHILD are skipped; whether the window
// already answers SM_ISSKINNED is the caller's question.
TForeignChildDecision DecideForeignChild(std::string_view className, unsigned style);

}  // namespace zentavo
