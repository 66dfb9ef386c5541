#include "framework/Properties.h"

#include <map>
#include <vector>

#include "core/Error.h"
#include "core/Text.h"

namespace zentavo {

namespace {
std::map<const TClassInfo*, std::vector<TPropertyInfo>>& Tables() {
  static std::map<const TClassInfo*, std::vector<TPropertyInfo>> tables;
  return tables;
}
}  // namespace

void RegisterProperty(const TClassInfo& owner, TPropertyInfo info) {
  Tables()[&owner].push_back(std::move(info));
}

const TPropertyInfo* FindProperty(const TComponent& component, std::string_view name) {
  for (const TClassInfo* info = &component.ClassInfo(); info; info = info->parent) {
    auto table = Tables().find(info);
    if (table == Tables().end()) continue;
    for (const TPropertyInfo& property : table->second) {
      if (SameText(property.name, name))
        return &property;
    }
  }
  return nullptr;
}

bool HasProperty(const TComponent& component, std::string_view name) {
  return FindProperty(component, name) != nullptr;
}

TPropertyValue GetPropertyValue(const TComponent& component, std::string_view name) {
  const TPropertyInfo* property = FindProperty(component, name);
  if (!property || !property->get)
    throw Error("Property " + std::string(name) + " does not exist in " + component.ClassName());
  return property->get(component);
}

void SetPropertyValue(TComponent& component, std::string_view name, const TPropertyValue& value) {
  const TPropertyInfo* property = FindProperty(component, name);
  if (!property || !property->set)
    throw Error("Property " + std::string(name) + " does not exist in " + component.ClassName());
  property->set(component, value);
}

}  // namespace zentavo
