// Signed 64-bit arithmetic that saturates at the limits instead of
// overflowing: sizes and offsets from the command line are unbounded.
#pragma once

#include <cstdint>

namespace tovask {

inline int64_t SaturatingAdd(int64_t a, int64_t b) {
  int64_t result;
  if (__builtin_add_overflow(a, b, &result)) return b > 0 ? INT64_MAX : INT64_MIN;
  return result;
}

inline int64_t SaturatingSub(int64_t a, int64_t b) {
  int64_t result;
  if (__builtin_sub_overflow(a, b, &result)) return b < 0 ? INT64_MAX : INT64_MIN;
  return result;
}

inline int64_t SaturatingMul(int64_t a, int64_t b) {
  int64_t result;
  if (__builtin_mul_overflow(a, b, &result)) return (a < 0) != (b < 0) ? INT64_MIN : INT64_MAX;
  return result;
}

}  // namespace tovask
