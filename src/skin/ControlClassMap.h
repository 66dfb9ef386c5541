#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "skin/WrapperKind.h"

namespace zentavo {

// Which wrapper a framework control gets, by the control's class. Rows pair a framework
// class with a wrapper; a control matches a row when its class is that class or one of its
// descendants. The search runs from the last row to the first, so a specific class listed
// after a general one wins, and rows registered later override the standard ones.
class TControlClassMap {
 public:
  // Appends a row; it takes precedence over every row already present.
  void Register(std::string frameworkClass, TWrapperKind wrapper);

  // The wrapper for a control whose class chain is given from its own class up to the
  // root (e.g. {"TMemo", "TCustomMemo", "TCustomEdit", ..., "TComponent"}); none when no
  // row names a class of the chain.
  std::optional<TWrapperKind> Find(const std::vector<std::string_view>& classChain) const;
  // The same for a class identity, walking its parents.
  std::optional<TWrapperKind> Find(const TClassInfo& controlClass) const;

  int Count() const { return static_cast<int>(rows_.size()); }

 private:
  struct Row {
    std::string frameworkClass;
    TWrapperKind wrapper;
  };
  std::vector<Row> rows_;
};

// A table holding the standard rows, in their registration order.
TControlClassMap MakeStandardControlClassMap();

// The program's table: the standard rows, plus whatever is registered on top of them.
TControlClassMap& ControlClassMap();

}  // namespace zentavo
