#pragma once

namespace zentavo {

// Errors of the engine's own work that a guard stopped, counted so that tests can tell
// a wrapper failing quietly from one that works.
long SwallowedErrorCount();
void CountSwallowedError();

// Runs one wrapper's part of a task over many windows or controls: its failure must not
// stop the others, nor reach the window system that called in.
template <class F>
void Guarded(F&& f) {
  try {
    f();
  } catch (...) {
    CountSwallowedError();
  }
}

}  // namespace zentavo
