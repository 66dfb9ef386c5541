#include "skin/FormActivity.h"

namespace zentavo {

bool IsFormActive(const TFormActivityFacts& f) {
  if (f.frameAnswer > 0) return f.frameAnswer == 1;
  if (!f.hasMainForm) return f.formActive;
  if (f.mainFormIsMdiFrame && f.isMainForm) return true;
  if (!f.applicationActive) return false;
  if (!f.formPresent || f.isMainForm) return true;
  if (f.mainFormIsMdiFrame && f.isActiveMdiChild) return true;
  return f.formActive;
}

}  // namespace zentavo
