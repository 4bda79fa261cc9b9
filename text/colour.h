// Colour values in the COLORREF layout: red in bits 0-7, green 8-15, blue 16-23.
#pragma once

#include <cstdint>

namespace tovask {

inline uint32_t RedOf(int64_t c) { return static_cast<uint32_t>(c) & 0xFF; }
inline uint32_t GreenOf(int64_t c) { return (static_cast<uint32_t>(c) >> 8) & 0xFF; }
inline uint32_t BlueOf(int64_t c) { return (static_cast<uint32_t>(c) >> 16) & 0xFF; }
inline uint32_t MakeColour(uint32_t red, uint32_t green, uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}

}  // namespace tovask
