#include "skin/win/SkinGuard.h"

#include <atomic>

namespace zentavo {

namespace {
std::atomic<long> swallowed{0};
}  // namespace

long SwallowedErrorCount() {
  return swallowed.load();
}
void CountSwallowedError() {
  ++swallowed;
}

}  // namespace zentavo
