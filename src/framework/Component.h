#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zentavo {

// Run-time class identity: every framework class names itself and its parent, so code
// that maps controls to handlers (the skin engine's wrapper tables) can ask "is this a
// TButton or a descendant" without RTTI on names.
struct TClassInfo {
  const char* name;
  const TClassInfo* parent;
};

// Declares a class's identity; put it first in the class body.
#define ZENTAVO_CLASS(Class, Parent)                                              \
 public:                                                                          \
  static const ::zentavo::TClassInfo& StaticClassInfo() {                         \
    static const ::zentavo::TClassInfo info{#Class, &Parent::StaticClassInfo()};  \
    return info;                                                                  \
  }                                                                               \
  const ::zentavo::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

enum class TOperation { opInsert, opRemove };

// Component state flags. Design mode exists for code that asks about it; nothing sets it
// at run time.
enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,
  csDestroying = 1u << 1,
  csDesigning = 1u << 2,
};

// The root of ownership: an owner frees its components, in reverse creation order, when
// it is freed. Owner (who frees) is not Parent (where a control sits).
class TComponent {
 public:
  explicit TComponent(TComponent* owner = nullptr);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  std::string ClassName() const { return ClassInfo().name; }
  bool InheritsFrom(std::string_view className) const;
  bool InheritsFrom(const TClassInfo& info) const;
  template <class T>
  bool Is() const {
    return InheritsFrom(T::StaticClassInfo());
  }

  // Creates a component owned by this one and returns it; the owner keeps it alive.
  template <class T, class... Args>
  T& Make(Args&&... args) {
    auto owned = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& result = *owned;
    InsertComponent(std::move(owned));
    return result;
  }
  // The same with the component's name, as forms make their named parts.
  template <class T>
  T& MakeNamed(const char* name) {
    T& component = Make<T>();
    component.SetName(name);
    return component;
  }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index).get(); }
  TComponent* FindComponent(std::string_view name) const;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  int Tag = 0;

  unsigned ComponentState() const { return state_; }
  bool HasState(TComponentStateFlag flag) const { return (state_ & flag) != 0; }

  // Frees one owned component now, through its teardown phase; others are left alone.
  void FreeComponent(TComponent* component);
  // Frees every owned component now, in reverse creation order; each one runs its
  // teardown phase before it is deleted.
  void DestroyComponents();

  // The teardown phase, run while the whole object is still alive (derived parts
  // included): marks it destroying, tells the components it owns, and lets derived
  // classes release what must go before their destructors run (a window, whose
  // WM_DESTROY the derived handlers still see). Runs once; owners call it before
  // deleting a component, and ComponentPtr does for components without an owner.
  virtual void BeforeDestruction();

  // Runs Loaded on this component and everything it owns, once its owner has built them.
  void FinishLoading();

 protected:
  // Told to the owner (and to everything it owns) when a component comes or goes.
  virtual void Notification(TComponent* component, TOperation operation);
  // Runs after the owner built all components and set their properties.
  virtual void Loaded() {}
  void SetState(TComponentStateFlag flag, bool on);

 private:
  void InsertComponent(std::unique_ptr<TComponent> component);
  void NotifyAll(TComponent* component, TOperation operation);

  TComponent* owner_;
  std::vector<std::unique_ptr<TComponent>> components_;
  std::string name_;
  unsigned state_ = 0;
};

// Deletes a component that has no owner through its teardown phase, as an owner would.
struct TComponentDeleter {
  void operator()(TComponent* component) const;
};
template <class T>
using ComponentPtr = std::unique_ptr<T, TComponentDeleter>;

template <class T, class... Args>
ComponentPtr<T> MakeComponent(Args&&... args) {
  return ComponentPtr<T>(new T(std::forward<Args>(args)...));
}

}  // namespace zentavo
