#include "skin/win/SkinHook.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/win/WideText.h"
#include "skin/SkinHookRules.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinMessages.h"

namespace zentavo {

namespace {

HHOOK skinHook = nullptr;
HWND lastClosedDialog = nullptr;
// Windows the hook is handing to the engine right now. Wrapping a window is window work
// of its own (subclassing, frame changes) and may activate it again before the engine
// has listed its wrapper; such a nested activation must not make a second one.
std::vector<HWND> windowsBeingAdded;

std::string WindowClassName(HWND window) {
  wchar_t name[101] = {};
  const int length = ::GetClassNameW(window, name, 101);
  return Narrow(std::wstring_view(name, static_cast<size_t>(std::max(length, 0))));
}

bool RefusesCreation(HWND window, const CBT_CREATEWNDW& create) {
  return RefusesWindowCreation(WindowClassName(window), static_cast<unsigned>(create.lpcs->style),
                               static_cast<unsigned>(create.lpcs->dwExStyle));
}

void Activating(TsuiSkinEngine& engine, HWND window) {
  static const std::vector<std::string> activationClassList = StandardActivationClassList();
  const std::string className = WindowClassName(window);
  TActivationFacts facts;
  facts.isLastClosedDialog = window && window == lastClosedDialog;
  facts.skinDialogs = engine.SkinDialogs();
  TActivationDecision decision = DecideActivation(className, facts, activationClassList);
  // Asked only when it matters: an answer can only take an action away.
  if (decision.action != TActivationAction::None) {
    facts.answersSkinned = ::SendMessageW(window, SM_ISSKINNED, 0, 0) != 0;
    decision = DecideActivation(className, facts, activationClassList);
  }
  if (decision.action != TActivationAction::None &&
      std::find(windowsBeingAdded.begin(), windowsBeingAdded.end(), window) == windowsBeingAdded.end()) {
    windowsBeingAdded.push_back(window);
    struct Done {
      HWND window;
      ~Done() {
        windowsBeingAdded.erase(std::find(windowsBeingAdded.begin(), windowsBeingAdded.end(), window));
      }
    } done{window};
    if (decision.action == TActivationAction::AddForeignWindow)
      engine.AddWindow(window, true);
    else
      engine.SkinWindow(window);
  }
  if (decision.clearLastClosedDialog) lastClosedDialog = nullptr;
}

LRESULT CALLBACK SkinHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code > 0) {
    // Nothing may unwind into the window system; an error leaves the window as it is.
    try {
      TsuiSkinEngine* engine = TsuiSkinEngine::SingleEngine();
      if (engine && engine->IsSkinning()) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_CREATEWND) {
          if (RefusesCreation(window, *reinterpret_cast<CBT_CREATEWNDW*>(lParam))) return 1;
        } else if (code == HCBT_ACTIVATE) {
          Activating(*engine, window);
        }
      }
    } catch (...) {
    }
  }
  return ::CallNextHookEx(skinHook, code, wParam, lParam);
}

}  // namespace

void InstallSkinHook() {
  if (skinHook) return;
  skinHook = ::SetWindowsHookExW(WH_CBT, SkinHook, nullptr, ::GetCurrentThreadId());
}

void RemoveSkinHook() {
  if (!skinHook) return;
  ::UnhookWindowsHookEx(skinHook);
  skinHook = nullptr;
}

bool SkinHookInstalled() {
  return skinHook != nullptr;
}

HWND LastClosedDialog() {
  return lastClosedDialog;
}

void SetLastClosedDialog(HWND window) {
  lastClosedDialog = window;
}

}  // namespace zentavo
