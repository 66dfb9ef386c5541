#include "skin/win/SkinAttach.h"

#include <algorithm>
#include <memory>
#include <string>

#include "framework/Properties.h"
#include "framework/win/Form.h"
#include "framework/win/WideText.h"
#include "skin/ControlClassMap.h"
#include "skin/WindowClassMap.h"
#include "skin/win/SkinControlWrappers.h"
#include "skin/win/SkinGuard.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinSystem.h"
#include "skin/win/SkinWindow.h"

namespace zentavo {

namespace {

void AttachOwnedControls(TsuiSkinWindow& frame, TComponent& owner);

bool AnswersSkinned(HWND window) {
  return ::SendMessageW(window, SM_ISSKINNED, 0, 0) == 1;
}

// The library's own controls that wrappers make for themselves; they are drawn by the
// wrapper that made them.
bool IsInnerControl(const std::string& className) {
  return className == "TsuiSkinInternalScrollBar" || className == "TsuiSkinInternalComboButton";
}

// Makes the wrapper of one control and lets it take on the skin. False when the control
// got none (no table row, or an error on the way).
bool WrapControl(TsuiSkinWindow& frame, TControl& control) {
  std::unique_ptr<TsuiSkinControl> wrapper;
  try {
    const auto kind = ControlClassMap().Find(control.ClassInfo());
    if (!kind) return false;
    wrapper = MakeControlWrapper(*kind, control, frame);
  } catch (...) {
    return false;
  }
  TsuiSkinControl& added = *wrapper;
  frame.Controls().push_back(std::move(wrapper));
  Guarded([&] {
    added.SkinChanged();
    if (added.WantsParentColor() && HasPublishedProperty(control, "ParentColor"))
      SetPropertyValue(control, "ParentColor", true);
  });
  return true;
}

void AttachControl(TsuiSkinWindow& frame, TControl& control) {
  const TsuiSkinEngine& engine = frame.Engine();
  if (engine.HasState(csDesigning) || control.HasState(csDesigning)) return;
  if (!control.WindowProc) return;
  if (engine.DisabledTag() != 0 && control.Tag == engine.DisabledTag()) return;
  const std::string className = control.ClassName();
  if (IsInnerControl(className)) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(&control);
      windowed && windowed->HandleAllocated() && AnswersSkinned(windowed->Handle()))
    return;
  if (className.rfind("Tsui", 0) == 0) {
    // A form of the library draws its own frame; the library's controls draw themselves,
    // except the pickers' inner up-down, which is drawn like any up-down.
    if (className == "TsuiForm") frame.SetAllowed(false);
    if (className != "TsuiSkinInternalUpDown") return;
  }
  if (!control.Parent()) return;
  if (control.Is<TForm>()) {
    // An embedded form takes the skin's form colour, but only a named (designed) one.
    if (control.Name().empty()) return;
    control.SetColor(engine.FormColor());
  } else {
    if (!WrapControl(frame, control)) return;
    if (className == "TDBLookupComboBox") return;
  }
  AttachOwnedControls(frame, control);
}

void AttachOwnedControls(TsuiSkinWindow& frame, TComponent& owner) {
  // By index, re-reading the count: wrapping may make inner controls of the owner.
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    if (auto* control = dynamic_cast<TControl*>(owner.Components(i))) AttachControl(frame, *control);
  }
}

std::string WindowClassName(HWND window) {
  wchar_t name[101] = {};
  const int length = ::GetClassNameW(window, name, 101);
  return Narrow(std::wstring_view(name, static_cast<size_t>(std::max(length, 0))));
}

void AttachForeignChild(TsuiSkinWindow& frame, HWND child) {
  const auto style = static_cast<unsigned>(::GetWindowLongW(child, GWL_STYLE));
  if ((style & WS_CHILD) == 0 || AnswersSkinned(child)) return;
  const TForeignChildDecision decision = DecideForeignChild(WindowClassName(child), style);
  HWND wrapped = nullptr;
  switch (decision.action) {
    case TForeignChildAction::Skip:
      return;
    case TForeignChildAction::MarkAnimated:
      frame.SetHasAnimatedChild(true);
      return;
    case TForeignChildAction::WrapWindow:
      wrapped = child;
      break;
    case TForeignChildAction::WrapFirstChild:
      wrapped = ::GetTopWindow(child);
      break;
  }
  if (!wrapped) return;
  frame.Controls().push_back(MakeWindowWrapper(decision.wrapper, wrapped, frame));
}

// Frees the wrappers one by one, always the first: a wrapper's teardown may look at the
// list or change it.
template <class BeforeFree>
void FreeControlWrappers(TsuiSkinWindow& frame, BeforeFree&& beforeFree) {
  TSkinControlList& controls = frame.Controls();
  controls.erase(std::remove(controls.begin(), controls.end(), nullptr), controls.end());
  while (!controls.empty()) {
    std::unique_ptr<TsuiSkinControl> first = std::move(controls.front());
    controls.erase(controls.begin());
    if (!first) continue;
    Guarded([&] {
      beforeFree(*first);
      first->Detach();
    });
    Guarded([&] {
      first->Disconnect();
      first.reset();
    });
  }
}

}  // namespace

void AttachFormControls(TsuiSkinWindow& frame, TComponent& form) {
  AttachOwnedControls(frame, form);
}

void AttachForeignControls(TsuiSkinWindow& frame, HWND window) {
  // The animated children first: the push buttons look at the flag as they are wrapped,
  // wherever the animation or progress bar stands among the children.
  for (HWND child = ::GetTopWindow(window); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const auto style = static_cast<unsigned>(::GetWindowLongW(child, GWL_STYLE));
    if ((style & WS_CHILD) != 0 &&
        DecideForeignChild(WindowClassName(child), style).action == TForeignChildAction::MarkAnimated)
      frame.SetHasAnimatedChild(true);
  }
  for (HWND child = ::GetTopWindow(window); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    try {
      AttachForeignChild(frame, child);
    } catch (...) {
      // The child stays unskinned (it could not be subclassed); the others are still wrapped.
    }
  }
}

void DetachFormControls(TsuiSkinWindow& frame, bool restoreProcedures) {
  FreeControlWrappers(frame, [restoreProcedures](TsuiSkinControl& wrapper) {
    if (auto* framework = dynamic_cast<TsuiSkinControlVCL*>(&wrapper))
      framework->SetRestoresProcedure(restoreProcedures);
  });
}

void DetachForeignControls(TsuiSkinWindow& frame) {
  FreeControlWrappers(frame, [](TsuiSkinControl&) {});
}

}  // namespace zentavo
