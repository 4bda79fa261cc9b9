// The option loop: reads every parameter after the prompt into the Invocation.
#pragma once

#include <cstdint>

#include "app/command_line.h"
#include "app/invocation.h"

namespace tovask {

struct OptionLoopResult {
  bool Stopped = false;     // a parameter could be placed nowhere
  Text InvalidParameter;    // that parameter, exactly as written
};

// `remaining` is the count of parameters not yet taken; it may be 0 or below.
OptionLoopResult ReadOptions(CommandLine& line, int64_t remaining, Invocation& invocation);

}  // namespace tovask
