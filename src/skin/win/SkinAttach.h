#pragma once
#include <windows.h>

namespace zentavo {

class TComponent;
class TsuiSkinWindow;

// Wraps the controls of a framework form: every owned component that is a control, in
// ownership order, and recursively what each of them owns. A control gets the wrapper its
// class maps to, unless it opts out by its Tag, is one of the library's own controls, or
// already answers SM_ISSKINNED. An error wrapping one control leaves that control (and
// what it owns) unwrapped and the others are still visited.
void AttachFormControls(TsuiSkinWindow& frame, TComponent& form);

// Wraps the direct child windows of a foreign window by their window class and style;
// children the table skips stay as they are, animation and progress children mark the
// frame's HasAnimatedChild.
void AttachForeignControls(TsuiSkinWindow& frame, HWND window);

// Frees the frame's control wrappers, always the first of the list. restoreProcedures:
// each control gets its saved WindowProc back; otherwise the control keeps a procedure
// that passes every message straight on (for a form that is going away anyway).
void DetachFormControls(TsuiSkinWindow& frame, bool restoreProcedures);

// Frees the frame's control wrappers of a foreign window; each child window that still
// exists gets its procedure back.
void DetachForeignControls(TsuiSkinWindow& frame);

}  // namespace zentavo
