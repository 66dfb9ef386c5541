#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

// The pure decisions of the engine's window-creation hook. The Win32 side gathers the
// facts (class names, styles, whether a window already answers SM_ISSKINNED) and acts on
// the answers; it asks only while the engine exists and is skinning.

// HCBT_CREATEWND: whether the creation of a window is refused. Skinned windows get no size
// grips: a SCROLLBAR (any letter case) with SBS_SIZEGRIP is refused unless its extended
// style is exactly WS_EX_NOPARENTNOTIFY.
bool RefusesWindowCreation(std::string_view className, unsigned style, unsigned exStyle);

// The class names whose windows are skinned when activated, compared ignoring letter case.
std::vector<std::string> StandardActivationClassList();

enum class TActivationAction {
  None,
  AddForeignWindow,  // the engine's AddWindow with isForeign set
  SkinWindow,        // the engine's SkinWindow
};

struct TActivationFacts {
  bool answersSkinned = false;      // SM_ISSKINNED gave a non-zero answer
  bool isLastClosedDialog = false;  // the window is the one recorded as LastClosedDialog
  bool skinDialogs = false;         // the engine's SkinDialogs
};

struct TActivationDecision {
  TActivationAction action = TActivationAction::None;
  bool clearLastClosedDialog = false;
};

// HCBT_ACTIVATE: what to do with the window about to be activated, from its class name
// (compared exactly, letter case included).
TActivationDecision DecideActivation(std::string_view className, const TActivationFacts& facts,
                                     const std::vector<std::string>& activationClassList);

}  // namespace zentavo
