// Which tab stop Tab and Shift+Tab move the focus to.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tovask {

enum class FocusDirection { Forward, Backward };

// Where the focus is now, as an index among the candidates, or one of these.
constexpr int64_t NoCurrentFocus = -1;        // the focus is outside the window
constexpr int64_t FocusNotACandidate = -2;    // on a control that is no tab stop

// The index of the candidate that gets the focus, or -1 to leave it.
int64_t FocusTarget(int64_t candidateCount, int64_t current, FocusDirection direction);

}  // namespace tovask
