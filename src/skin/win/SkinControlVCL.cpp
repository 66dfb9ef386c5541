#include "skin/win/SkinControlVCL.h"

#include <utility>

#include "skin/win/SkinEngine.h"

namespace zentavo {

namespace {
// A procedure that only passes messages on, for a control whose WindowProc was empty.
void Ignore(TMessage&) {}
}  // namespace

// The procedure placed in the control's WindowProc. The instance in the control carries
// the `installed` token; a copy made of it (by anyone who saves the control's WindowProc
// to chain to it) routes messages the same way but carries no token, so the wrapper can
// tell "the control still holds my procedure" from "some copy of it lives on elsewhere".
class TsuiSkinControlVCL::TProcedure {
 public:
  TProcedure(std::shared_ptr<TSkinControlLink> link, std::shared_ptr<TWndMethod> saved,
             std::shared_ptr<void> installed)
      : link_(std::move(link)), saved_(std::move(saved)), installed_(std::move(installed)) {}
  TProcedure(const TProcedure& other) : link_(other.link_), saved_(other.saved_) {}
  TProcedure(TProcedure&&) noexcept = default;
  TProcedure& operator=(const TProcedure&) = delete;
  TProcedure& operator=(TProcedure&&) = delete;

  // The wrapper may put the saved procedure back into the control during the message,
  // which frees this very object while it runs: everything used after that is a local.
  void operator()(TMessage& message) const {
    std::shared_ptr<TWndMethod> saved = saved_;
    Route(link_, message, [&saved](TMessage& m) { (*saved)(m); });
  }

 private:
  std::shared_ptr<TSkinControlLink> link_;
  std::shared_ptr<TWndMethod> saved_;
  std::shared_ptr<void> installed_;
};

TsuiSkinControlVCL::TsuiSkinControlVCL(TControl& control, TsuiSkinWindow& window)
    : TsuiSkinControl(window),
      control_(&control),
      saved_(std::make_shared<TWndMethod>(control.WindowProc ? control.WindowProc : TWndMethod(Ignore))) {
  auto installed = std::make_shared<char>();
  installed_ = installed;
  control.WindowProc = TProcedure(Link(), saved_, std::move(installed));
}

TsuiSkinControlVCL::~TsuiSkinControlVCL() {
  Disconnect();
}

TControl* TsuiSkinControlVCL::Control() const {
  return installed_.expired() ? nullptr : control_;
}

void TsuiSkinControlVCL::ReleaseControl() {
  // A copy, not a move: a message of the control may be running through the saved
  // procedure right now, inside the procedure this assignment frees.
  if (TControl* control = Control(); control && restoresProcedure_) control->WindowProc = *saved_;
  control_ = nullptr;
}

bool TsuiSkinControlVCL::PassesOn() const {
  if (TsuiSkinControl::PassesOn()) return true;
  const TControl* control = Control();
  return !control || control->Tag == Engine().DisabledTag();
}

RECT TsuiSkinControlVCL::GetControlRect() const {
  const TControl* control = Control();
  return control ? control->ClientRect() : RECT{};
}

HWND TsuiSkinControlVCL::GetHandle() const {
  // Painting never makes a window: a control whose window is not there has nothing to show.
  auto* windowed = dynamic_cast<TWinControl*>(Control());
  return windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

void TsuiSkinControlVCL::PaintWindowlessChildren(HDC dc) {
  if (auto* windowed = dynamic_cast<TWinControl*>(Control())) windowed->PaintChildrenOnto(dc);
}

bool TsuiSkinControlVCL::GetEnabled() const {
  const TControl* control = Control();
  return control && control->Enabled();
}

}  // namespace zentavo
