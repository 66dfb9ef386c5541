#include "skin/win/MenuBlankImages.h"

namespace zentavo {

TImageList& MenuBlankImages() {
  static ComponentPtr<TImageList> images = MakeComponent<TImageList>(nullptr);
  return *images;
}

}  // namespace zentavo
