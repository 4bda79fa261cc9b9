#include "dialog/centring.h"

#include <gtest/gtest.h>

namespace tovask {
namespace {

TEST(Centring, ModeFollowsOwnerAndOption) {
  struct Case { const char* label; bool owner, minimised, screen; CentringMode mode; };
  const Case cases[] = {
      {"no owner", false, false, false, CentringMode::ScreenCentring},
      {"owner minimised", true, true, false, CentringMode::ScreenCentring},
      {"screen option", true, false, true, CentringMode::ScreenCentring},
      {"visible owner", true, false, false, CentringMode::OwnerCentring},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseCentring(c.owner, c.minimised, c.screen), c.mode) << c.label;
}

TEST(Centring, OnTheScreen) {
  struct Case { const char* label; int64_t sw, sh, w, h, x, y; };
  const Case cases[] = {
      {"fits", 1280, 1024, 306, 144, 487, 440},
      {"odd remainder truncates", 1281, 1025, 306, 144, 487, 440},
      {"larger than the screen", 200, 100, 306, 144, 0, 0},
  };
  for (const Case& c : cases) {
    Position p = CentreOnScreen(c.sw, c.sh, c.w, c.h);
    EXPECT_EQ(p.X, c.x) << c.label;
    EXPECT_EQ(p.Y, c.y) << c.label;
  }
}

TEST(Centring, OnTheOwner) {
  struct Case { const char* label; ScreenRect owner; int64_t w, h, x, y; };
  const Case cases[] = {
      {"centred", {100, 50, 700, 450}, 300, 100, 250, 200},
      {"(-3)/2 truncates to -1", {10, 20, 307, 161}, 300, 144, 9, 19},
      {"negative becomes 0", {-200, -100, 100, 50}, 306, 144, 0, 0},
      {"beyond the right and bottom edge is kept", {1200, 900, 1800, 1300}, 300, 100, 1350, 1050},
  };
  for (const Case& c : cases) {
    Position p = CentreOnOwner(c.owner, c.w, c.h);
    EXPECT_EQ(p.X, c.x) << c.label;
    EXPECT_EQ(p.Y, c.y) << c.label;
  }
}

}  // namespace
}  // namespace tovask
