#include "framework/win/Accelerator.h"

#include "framework/win/WideText.h"

namespace zentavo {

bool IsAccelerator(WPARAM character, const std::string& caption) {
  const std::wstring text = Widen(caption);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] == L'&') {
      ++i;
      continue;
    }
    wchar_t marked[2] = {text[i + 1], 0}, pressed[2] = {static_cast<wchar_t>(character), 0};
    ::CharUpperW(marked);
    ::CharUpperW(pressed);
    return marked[0] == pressed[0];
  }
  return false;
}

}  // namespace zentavo
