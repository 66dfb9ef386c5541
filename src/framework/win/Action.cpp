#include "framework/win/Action.h"

namespace zentavo {

TAction::TAction(TComponent* owner) : TComponent(owner) {}

void TAction::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void TAction::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void TAction::SetChecked(bool checked) {
  checked_ = checked;
  Changed();
}

bool TAction::Execute() {
  if (!enabled_ || !OnExecute) return false;
  OnExecute(this);
  return true;
}

int TAction::Subscribe(Listener listener) { return listeners_.Add(std::move(listener)); }

void TAction::Unsubscribe(int id) { listeners_.Remove(id); }

void TAction::Changed() { listeners_.Tell(); }

}  // namespace zentavo
