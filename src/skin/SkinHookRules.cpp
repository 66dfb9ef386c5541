#include "skin/SkinHookRules.h"

#include <algorithm>

#include "core/Text.h"
#include "skin/WindowClassMap.h"

namespace zentavo {
namespace {

constexpr unsigned SBS_SIZEGRIP = 0x10;
constexpr unsigned WS_EX_NOPARENTNOTIFY = 0x4;

}  // namespace

bool RefusesWindowCreation(std::string_view className, unsigned style, unsigned exStyle) {
  return UpperCaseClassName(className) == "SCROLLBAR" && (style & SBS_SIZEGRIP) != 0 &&
         exStyle != WS_EX_NOPARENTNOTIFY;
}

std::vector<std::string> StandardActivationClassList() {
  return {"TSelectDirDlg", "TForm"};
}

TActivationDecision DecideActivation(std::string_view className, const TActivationFacts& facts,
                                     const std::vector<std::string>& activationClassList) {
  TActivationDecision decision;
  if (className == "TMessageForm" || className == "#32770") {
    // A dialog whose wrapper freed itself at WM_DESTROY may be activated once more while it
    // closes; it must not be wrapped again. The record only guards that one activation.
    if (!facts.isLastClosedDialog && facts.skinDialogs && !facts.answersSkinned) {
      decision.action = TActivationAction::AddForeignWindow;
    }
    decision.clearLastClosedDialog = true;
    return decision;
  }
  if (facts.answersSkinned) return decision;
  if (className == "TTabDockHost" || className == "TConjoinDockHost") {
    decision.action = TActivationAction::AddForeignWindow;
  } else if (std::any_of(activationClassList.begin(), activationClassList.end(),
                         [&](const std::string& listed) { return SameText(listed, className); })) {
    decision.action = TActivationAction::SkinWindow;
  }
  return decision;
}

}  // namespace zentavo
