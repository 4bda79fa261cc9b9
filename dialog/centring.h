// Where the dialog's provisional window is centred: over its owner (the
// console window) or on the screen.
#pragma once

#include <cstdint>

#include "dialog/layout.h"

namespace tovask {

enum class CentringMode { ScreenCentring, OwnerCentring };

struct Position {
  int64_t X = 0;
  int64_t Y = 0;
};

CentringMode ChooseCentring(bool hasOwner, bool ownerMinimised, bool centreOnScreen);

// A window larger than the screen is placed at 0.
Position CentreOnScreen(int64_t screenWidth, int64_t screenHeight, int64_t width, int64_t height);

// Divisions truncate toward zero; negative results become 0, while nothing
// keeps the window off the right or bottom edge here.
Position CentreOnOwner(const ScreenRect& owner, int64_t width, int64_t height);

}  // namespace tovask
