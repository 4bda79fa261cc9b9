#include "app/flow.h"

#include "app/options.h"
#include "app/usage.h"

namespace tovask {

namespace {

bool HasInputToken(TextView s) { return FindText(LowerCase(s), u"$input", 1) != 0; }

}  // namespace

FlowDecision DecideRoad(CommandLine& line) {
  FlowDecision decision;
  Invocation& invocation = decision.Call;
  int64_t remaining = ParameterCount(line);

  invocation.OutputString = NextParameter(line);
  --remaining;
  // A first parameter without the token is the title.
  if (!HasInputToken(invocation.OutputString)) {
    invocation.TitleString = invocation.OutputString;
    invocation.OutputString = NextParameter(line);
    --remaining;
  }
  if (TextEquals(invocation.OutputString, u"")) {
    decision.Taken = Road::Usage;
    return decision;
  }
  if (!HasInputToken(invocation.OutputString)) {
    decision.Taken = Road::MissingToken;
    return decision;
  }

  // Two apostrophes stand for a double quote, "^" for a line break.
  invocation.PromptString = ReplaceText(NextParameter(line), u"''", u"\"");
  ReplaceTextInPlace(invocation.PromptString, u"^", u"\n");
  --remaining;

  OptionLoopResult options = ReadOptions(line, remaining, invocation);
  if (options.Stopped) {
    decision.Taken = Road::InvalidOption;
    decision.InvalidParameter = options.InvalidParameter;
    return decision;
  }
  decision.Taken = Road::Dialog;
  return decision;
}

Text PendingMessage(const FlowDecision& decision, TextView usageText) {
  switch (decision.Taken) {
    case Road::Usage:
      return Text(BannerLine) + Text(usageText);
    case Road::MissingToken:
      return Text(TokenMissingMessage);
    case Road::InvalidOption:
      return Text(InvalidOptionMessage) + decision.InvalidParameter;
    case Road::Dialog:
      break;
  }
  return Text();
}

}  // namespace tovask
