// The command line as any sequence of UTF-16 code units: splitting, the
// positional parameters, the option loop and the road that the flow takes.
#include <algorithm>

#include "app/command_line.h"
#include "app/flow.h"
#include "fuzz_support.h"

namespace tovask {
namespace {

bool HasToken(TextView s) { return FindText(LowerCase(s), u"$input", 1) != 0; }

// Splitting hands out every parameter once, without quotes, then only empty
// texts, and never moves the index past the count.
void CheckSplitting(TextView text, int64_t count) {
  bool blank = text.find_first_not_of(u' ') == TextView::npos;
  Require(count >= -1, "ParameterCount is at least -1");
  Require((count == -1) == blank, "ParameterCount is -1 exactly for an empty or blank line");
  CommandLine line{text};
  size_t units = 0;
  for (int64_t i = 1; i <= count; ++i) {
    Text parameter = NextParameter(line);
    Require(line.Index == i, "NextParameter counts each parameter it hands out");
    Require(parameter.find(u'"') == Text::npos, "a parameter value holds no double quote");
    units += parameter.size();
  }
  Require(units <= text.size(), "the parameters are no longer than the line");
  for (int extra = 0; extra < 2; ++extra) {
    Require(NextParameter(line).empty(), "NextParameter gives empty text after the last");
    Require(line.Index == std::max<int64_t>(count, 0), "the index stops at the count");
  }
}

Text ParameterNumber(TextView text, int32_t number) {
  CommandLine line{text};
  Text parameter;
  for (int32_t i = 0; i < number; ++i) parameter = NextParameter(line);
  return parameter;
}

void CheckDecision(TextView text, int64_t count) {
  CommandLine line{text};
  FlowDecision decision = DecideRoad(line);
  const Invocation& call = decision.Call;
  Require(line.Index <= std::max<int64_t>(count, 0), "the flow reads no parameter past the last");
  switch (decision.Taken) {
    case Road::Usage:
      Require(call.OutputString.empty(), "the usage road has an empty OutputString");
      break;
    case Road::MissingToken:
      Require(!call.OutputString.empty() && !HasToken(call.OutputString),
              "the missing-token road has an OutputString without the token");
      break;
    case Road::InvalidOption:
      Require(decision.InvalidParameter == ParameterNumber(text, line.Index),
              "the reported parameter is the last one read, exactly as written");
      Require(call.InitialGiven, "a parameter is reported only after an InitialString");
      [[fallthrough]];
    case Road::Dialog:
      Require(HasToken(call.OutputString), "past the token test, OutputString holds the token");
      Require(call.PromptString.find(u'^') == Text::npos, "no caret is left in the prompt");
      Require(call.PromptString.find(u"''") == Text::npos,
              "no two apostrophes are left in the prompt");
      break;
  }
  if (decision.Taken == Road::Dialog) {
    Require(line.Index == std::max<int64_t>(count, 0), "the dialog road has read every parameter");
  }
  Require(call.InitialGiven || call.InitialString.empty(), "an InitialString is marked as given");
  Require((call.EditStyle & ~(UpperCaseStyle | LowerCaseStyle | PasswordStyle | NumberStyle)) == 0,
          "EditStyle holds only the four edit styles");
  Require(call.BackColour <= 0xFFFFFF && call.TextColour <= 0xFFFFFF, "colours have 24 bits");

  Text message = PendingMessage(decision, u"usage\r\n");
  Require(message.empty() == (decision.Taken == Road::Dialog),
          "only the dialog road prints nothing");
}

}  // namespace
}  // namespace tovask

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tovask;
  Text text = CodeUnits(data, size);
  int64_t count = ParameterCount(CommandLine{text});
  CheckSplitting(text, count);
  CheckDecision(text, count);
  return 0;
}
