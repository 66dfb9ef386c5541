#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "framework/Component.h"

namespace zentavo {

// A published property value: the few kinds the skin engine probes by name.
using TPropertyValue = std::variant<bool, long long, std::string>;

struct TPropertyInfo {
  std::string name;
  std::string typeName;  // "Boolean", "TColor", "TFormBorderStyle", "TCaption", ...
  std::function<TPropertyValue(const TComponent&)> get;
  std::function<void(TComponent&, const TPropertyValue&)> set;
};

// Per-class tables of published properties, looked up along the class chain so that a
// descendant has its ancestors' properties. Names compare without regard to case.
void RegisterProperty(const TClassInfo& owner, TPropertyInfo info);
const TPropertyInfo* FindProperty(const TComponent& component, std::string_view name);

bool HasProperty(const TComponent& component, std::string_view name);
// Throws zentavo::Error when the class has no such property.
TPropertyValue GetPropertyValue(const TComponent& component, std::string_view name);
void SetPropertyValue(TComponent& component, std::string_view name, const TPropertyValue& value);

}  // namespace zentavo
