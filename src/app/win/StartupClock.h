#pragma once

namespace zentavo {

// How long the program's start took, for the start-up benchmark: the time since the
// process was created, and the part of it the splash window spent on screen (its fades
// included), which the benchmark takes out.
double MillisecondsSinceProcessStart();

// The splash records the time it held the start-up; later calls add to it.
void NoteSplashTime(double milliseconds);
double SplashMilliseconds();

}  // namespace zentavo
