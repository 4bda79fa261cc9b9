// LowerCase for builds without the Windows character tables: a per-code-unit
// mapping of the common alphabets (Latin, Greek, Cyrillic). It never changes
// the length of the text; code units outside those alphabets stay as they are.
#include "text/text.h"

namespace tovask {

namespace {

char16_t LowerCodeUnit(char16_t c) {
  auto shifted = [c](int by) { return static_cast<char16_t>(c + by); };
  if (c >= u'A' && c <= u'Z') return shifted(0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return shifted(0x20);
  // Latin Extended-A pairs capitals and small letters as neighbours.
  bool evenPairs = (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
  bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if ((evenPairs && c % 2 == 0) || (oddPairs && c % 2 == 1)) return shifted(1);
  if (c == 0x178) return 0xFF;
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return shifted(0x20);
  if (c >= 0x410 && c <= 0x42F) return shifted(0x20);
  if (c >= 0x400 && c <= 0x40F) return shifted(0x50);
  return c;
}

}  // namespace

Text LowerCase(TextView s) {
  Text result(s);
  for (char16_t& c : result) c = LowerCodeUnit(c);
  return result;
}

}  // namespace tovask
