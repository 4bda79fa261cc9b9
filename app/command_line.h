// The program's own command-line splitting: only spaces separate, double
// quotes group and are removed, backslashes are ordinary characters.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace tovask {

struct CommandLine {
  TextView Line;          // the whole command line, program name first
  int32_t Index = 0;      // parameters handed out so far by NextParameter
};

int64_t ParameterCount(const CommandLine& line);
Text NextParameter(CommandLine& line);

}  // namespace tovask
