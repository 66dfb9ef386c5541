#include "framework/win/Screen.h"

#include <algorithm>

#include "framework/win/Form.h"

namespace zentavo {

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

TForm* TScreen::ActiveForm() const {
  return dynamic_cast<TForm*>(TWinControl::FromHandle(GetActiveWindow()));
}

void TScreen::AddForm(TForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TForm* form) { std::erase(forms_, form); }

}  // namespace zentavo
