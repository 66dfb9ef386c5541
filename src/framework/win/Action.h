#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/ListenerList.h"

namespace zentavo {

// A command with state that its clients (menu items, buttons) follow: executing a client
// executes the action, and a change of caption, enabled or checked shows on every client.
class TAction : public TComponent {
  ZENTAVO_CLASS(TAction, TComponent)
 public:
  explicit TAction(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  std::function<void(TComponent* sender)> OnExecute;
  // Runs OnExecute when enabled; answers whether it ran.
  bool Execute();

  using Listener = std::function<void()>;
  int Subscribe(Listener listener);
  void Unsubscribe(int id);

 private:
  void Changed();
  std::string caption_;
  bool enabled_ = true;
  bool checked_ = false;
  TListenerList<void()> listeners_;
};

}  // namespace zentavo
