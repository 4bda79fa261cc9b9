#include "dialog/focus_order.h"

#include <gtest/gtest.h>

namespace tovask {
namespace {

TEST(FocusOrder, TabAndShiftTabCycleTheTabStops) {
  const FocusDirection forward = FocusDirection::Forward, backward = FocusDirection::Backward;
  struct Case { const char* label; int64_t count, current; FocusDirection direction; int64_t target; };
  const Case cases[] = {
      {"field to OK", 3, 0, forward, 1},
      {"OK to Cancel", 3, 1, forward, 2},
      {"Cancel wraps to field", 3, 2, forward, 0},
      {"from outside to the first", 3, NoCurrentFocus, forward, 0},
      {"from a non-candidate nothing moves", 3, FocusNotACandidate, forward, -1},
      {"Cancel back to OK", 3, 2, backward, 1},
      {"field back wraps to Cancel", 3, 0, backward, 2},
      {"from outside back to the last", 3, NoCurrentFocus, backward, 2},
      {"from a non-candidate back to the last", 3, FocusNotACandidate, backward, 2},
      {"no candidates forward", 0, NoCurrentFocus, forward, -1},
      {"no candidates backward", 0, NoCurrentFocus, backward, -1},
      {"single candidate forward", 1, 0, forward, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(FocusTarget(c.count, c.current, c.direction), c.target) << c.label;
}

}  // namespace
}  // namespace tovask
