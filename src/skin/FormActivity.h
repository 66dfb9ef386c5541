#pragma once

namespace zentavo {

// Whether a form counts as the active one, for drawing its frame: the decision, made from
// facts the Win32 side gathers about the form, its main form and the application.
struct TFormActivityFacts {
  int frameAnswer = 0;  // the frame wrapper's answer to SM_ISACTIVE; 0 when unanswered
  bool hasMainForm = false;
  bool formActive = false;  // the form's own active flag
  bool formPresent = true;
  bool isMainForm = false;
  bool mainFormIsMdiFrame = false;
  bool applicationActive = false;
  bool isActiveMdiChild = false;  // the main form's MDI client names this form the active child
};

// In order: a positive frame answer decides (1 active, else inactive); without a main form
// the form's flag decides; the main form as MDI frame is active; an inactive application
// makes every other form inactive; an absent form or the main form is active; the active
// MDI child is active; otherwise the form's own flag decides.
bool IsFormActive(const TFormActivityFacts& facts);

}  // namespace zentavo
