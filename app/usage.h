// The banner line and the usage text printed when the command line is empty
// or has no OutputString.
#pragma once

#include "text/text.h"

namespace tovask {

inline constexpr TextView BannerLine = u"Tovask ver. 1.42/x64 - an input box for command scripts\r\n";

// Stored as 8-bit ANSI text and widened before it is printed.
inline constexpr char UsageText[] =
    "Console (CMD script) input\r\n"
    "Syntax:\r\n"
    "    Tovask [TitleString] OutputString PromptString [InitialString] [Options] \r\n"
    "For details see Tovask.txt\r\n";

inline constexpr TextView TokenMissingMessage = u"$input token is required in OutputString";
inline constexpr TextView InvalidOptionMessage = u"Invalid Option: ";

}  // namespace tovask
