// The program's decision tree up to the dialog: which road a command line
// takes, and the message that a message road prints.
#pragma once

#include "app/command_line.h"
#include "app/invocation.h"

namespace tovask {

enum class Road { Usage, MissingToken, InvalidOption, Dialog };

struct FlowDecision {
  Road Taken = Road::Usage;
  Invocation Call;
  Text InvalidParameter;  // for Road::InvalidOption, exactly as written
};

FlowDecision DecideRoad(CommandLine& line);

// The text that the road prints on standard error; empty for the dialog road.
// `usageText` is the usage text already widened from its 8-bit form.
Text PendingMessage(const FlowDecision& decision, TextView usageText);

// The exit code of a message road.
constexpr int MessageExitCode = 255;

}  // namespace tovask
