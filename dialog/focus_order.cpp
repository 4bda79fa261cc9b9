#include "dialog/focus_order.h"

namespace tovask {

int64_t FocusTarget(int64_t candidateCount, int64_t current, FocusDirection direction) {
  if (candidateCount <= 0) return -1;
  if (direction == FocusDirection::Forward) {
    if (current == NoCurrentFocus) return 0;
    if (current < 0) return -1;
    return current < candidateCount - 1 ? current + 1 : 0;
  }
  if (current > 0) return current - 1;
  return candidateCount - 1;
}

}  // namespace tovask
