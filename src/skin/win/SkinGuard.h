#pragma once

namespace zentavo {

// Runs one wrapper's part of a task over many windows or controls: its failure must not
// stop the others, nor reach the window system that called in.
template <class F>
void Guarded(F&& f) {
  try {
    f();
  } catch (...) {
  }
}

}  // namespace zentavo
