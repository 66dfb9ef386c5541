#pragma once
#include "core/Number.h"

namespace zentavo {

// The user's decimal and thousands separators from the regional settings.
NumberSymbols UserNumberSymbols();

}  // namespace zentavo
