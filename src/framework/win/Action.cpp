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

int TAction::Subscribe(Listener listener) {
  listeners_.emplace_back(nextId_, std::move(listener));
  return nextId_++;
}

void TAction::Unsubscribe(int id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void TAction::Changed() {
  auto listeners = listeners_;  // a listener may unsubscribe while being told
  for (auto& [id, listener] : listeners) listener();
}

}  // namespace zentavo
