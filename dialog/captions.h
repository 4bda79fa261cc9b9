// The captions of the OK and Cancel buttons: the system's own words, or the
// English ones with "/english".
#pragma once

#include <cstdint>

#include "text/text.h"

namespace tovask {

constexpr int64_t OkCaptionId = 800;
constexpr int64_t CancelCaptionId = 801;

struct Captions {
  Text Ok = u"OK";
  Text Cancel = u"Cancel";
};

// The system module whose string resources hold the string `id`.
TextView CaptionModule(int64_t id);

// `systemString` reads a string of the system with every "&" removed, or
// gives the empty text; an empty text replaces the English caption too.
Captions ChooseCaptions(bool englishCaptions, Text (*systemString)(int64_t id));

// The string `id` of its system module with every "&" removed; the empty text
// when it cannot be read. Windows only.
Text SystemString(int64_t id);

}  // namespace tovask
