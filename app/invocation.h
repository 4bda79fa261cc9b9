// Everything the command line says about the dialog, filled once before the
// dialog exists and only read afterwards.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace tovask {

// Edit-control styles that options put into EditStyle (the Win32 ES_* bits).
constexpr uint32_t UpperCaseStyle = 0x8;
constexpr uint32_t LowerCaseStyle = 0x10;
constexpr uint32_t PasswordStyle = 0x20;
constexpr uint32_t NumberStyle = 0x2000;

struct Invocation {
  Text TitleString = u"Tovask";
  Text OutputString;
  Text PromptString;
  Text InitialString;
  bool InitialGiven = false;
  uint32_t EditStyle = 0;
  int64_t TimeoutMs = 0;
  int64_t MaxLength = 0;
  uint32_t BackColour = 0xFFFFFF;  // COLORREF
  uint32_t TextColour = 0;         // COLORREF
  int64_t OffsetX = 0;
  int64_t OffsetY = 0;
  int64_t FontSize = 9;
  bool CentreOnScreen = false;
  bool EnglishCaptions = false;
};

}  // namespace tovask
