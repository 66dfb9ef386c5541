#pragma once
#include "framework/Bitmap.h"

namespace zentavo::splash {

constexpr int kWidth = 420;
constexpr int kHeight = 300;
// The colour the splash window does not show: everything outside the card.
constexpr TColor kSeeThrough = RGBColor(128, 128, 128);

enum class Language { English, Chinese };

// The splash picture of an interface language: a rounded card with an outline on the
// see-through grey, the program's name large, and under it a subtitle in the language.
// No pixel of the card is the see-through grey.
TBitmap DrawSplash(Language language);

// True for the pixels of the card (its outline included), false for the grey around it.
bool InsideCard(int x, int y);

}  // namespace zentavo::splash
