// Helpers shared by the fuzz targets: turning fuzz bytes into texts and
// numbers, and stopping the run when an expected property fails.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "text/text.h"

namespace tovask {

// A broken property is a finding: report it and abort, so that libFuzzer
// keeps the input.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", property);
  std::abort();
}

// The bytes as little-endian UTF-16 code units; an odd last byte is dropped.
inline Text CodeUnits(const uint8_t* data, size_t size) {
  Text text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  }
  return text;
}

// A text of up to `maxUnits` code units. Most bytes pick from a few code
// units that the operations treat specially, so that searches find matches
// and ASCII case folding meets non-ASCII letters; byte 0xFF takes the next two
// bytes as any code unit.
inline Text ConsumeText(FuzzedDataProvider& data, size_t maxUnits) {
  static constexpr char16_t Common[] = {u'a', u'A',      u'b',      u'B',     u'$',  u'^',
                                        u':', u'=',      u'\n',     u' ',     u'\'', u'"',
                                        u'#', u'\u00C9', u'\u00E9', u'\uFFFF'};
  size_t units = data.ConsumeIntegralInRange<size_t>(0, maxUnits);
  Text text;
  while (text.size() < units && data.remaining_bytes() > 0) {
    uint8_t pick = data.ConsumeIntegral<uint8_t>();
    text.push_back(pick == 0xFF ? data.ConsumeIntegral<char16_t>()
                                : Common[pick % std::size(Common)]);
  }
  return text;
}

// Mostly small numbers around the lengths of the texts, sometimes any 64-bit value.
inline int64_t ConsumeArgument(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) return data.ConsumeIntegral<int64_t>();
  return data.ConsumeIntegralInRange<int64_t>(-4, 40);
}

}  // namespace tovask
