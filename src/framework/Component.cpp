#include "framework/Component.h"

#include <algorithm>

#include "core/Text.h"

namespace zentavo {

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info{"TComponent", nullptr};
  return info;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent() {
  state_ |= csDestroying;
  DestroyComponents();
}

void TComponent::DestroyComponents() {
  // Free in reverse creation order so later components, which may refer to earlier
  // ones, go first; the notification lets siblings drop references to the dying one.
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last->BeforeDestruction();
    NotifyAll(last.get(), TOperation::opRemove);
    last.reset();
  }
}

void TComponent::FreeComponent(TComponent* component) {
  auto found = std::find_if(components_.begin(), components_.end(),
                            [component](const std::unique_ptr<TComponent>& owned) { return owned.get() == component; });
  if (found == components_.end()) return;
  std::unique_ptr<TComponent> freed = std::move(*found);
  components_.erase(found);
  freed->BeforeDestruction();
  NotifyAll(freed.get(), TOperation::opRemove);
}

void TComponent::BeforeDestruction() {
  if (HasState(csDestroying)) return;
  state_ |= csDestroying;
  // By index: a component's teardown may free others of this owner.
  for (size_t i = components_.size(); i-- > 0;) {
    if (i < components_.size()) components_[i]->BeforeDestruction();
  }
}

void TComponentDeleter::operator()(TComponent* component) const {
  if (!component) return;
  component->BeforeDestruction();
  delete component;
}

bool TComponent::InheritsFrom(std::string_view className) const {
  for (const TClassInfo* info = &ClassInfo(); info; info = info->parent) {
    if (className == info->name) return true;
  }
  return false;
}

bool TComponent::InheritsFrom(const TClassInfo& target) const {
  for (const TClassInfo* info = &ClassInfo(); info; info = info->parent) {
    if (info == &target) return true;
  }
  return false;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  for (const auto& component : components_) {
    if (SameText(component->name_, name))
      return component.get();
  }
  return nullptr;
}

void TComponent::FinishLoading() {
  for (const auto& component : components_) component->FinishLoading();
  state_ &= ~csLoading;
  Loaded();
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::SetState(TComponentStateFlag flag, bool on) {
  state_ = on ? (state_ | flag) : (state_ & ~flag);
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  TComponent* added = component.get();
  components_.push_back(std::move(component));
  NotifyAll(added, TOperation::opInsert);
}

void TComponent::NotifyAll(TComponent* component, TOperation operation) {
  Notification(component, operation);
  for (const auto& sibling : components_) {
    if (sibling.get() != component) sibling->Notification(component, operation);
  }
}

}  // namespace zentavo
