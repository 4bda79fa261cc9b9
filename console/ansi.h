// Conversions between UTF-16 and the system's ANSI code page, the 8-bit form
// of the usage text and of the result.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace tovask {

Text WidenAnsi(std::string_view bytes);

}  // namespace tovask
