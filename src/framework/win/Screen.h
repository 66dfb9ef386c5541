#pragma once
#include <vector>

namespace zentavo {

class TForm;

// The live forms of the program, in creation order, and the active one.
class TScreen {
 public:
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* Forms(int index) const { return forms_.at(index); }
  // The framework form that holds the active window, or nullptr.
  TForm* ActiveForm() const;

 private:
  friend class TForm;
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);
  std::vector<TForm*> forms_;
};

TScreen& Screen();

}  // namespace zentavo
