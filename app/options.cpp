#include "app/options.h"

#include "text/colour.h"

namespace tovask {

namespace {

// Options arrive lower-cased with ':' already turned into '='.
bool ApplyOption(TextView option, Invocation& invocation) {
  if (TextEquals(option, u"/screen")) {
    invocation.CentreOnScreen = true;
  } else if (TextEquals(option, u"/english")) {
    invocation.EnglishCaptions = true;
  } else if (TextEquals(option, u"/lower")) {
    invocation.EditStyle = LowerCaseStyle;
  } else if (TextEquals(option, u"/upper")) {
    invocation.EditStyle = UpperCaseStyle;
  } else if (TextEquals(option, u"/pass")) {
    invocation.EditStyle |= PasswordStyle;
  } else if (TextEquals(option, u"/num")) {
    invocation.EditStyle |= NumberStyle;
  } else if (TextEquals(LeftText(option, 9), u"/timeout=")) {
    // Unsigned multiplication wraps like the number itself.
    uint64_t seconds = static_cast<uint64_t>(ParseNumber(MidText(option, 10)));
    invocation.TimeoutMs = static_cast<int64_t>(seconds * 1000);
  } else if (TextEquals(LeftText(option, 8), u"/length=")) {
    invocation.MaxLength = ParseNumber(MidText(option, 9));
  } else if (TextEquals(MidText(option, 4, 1), u"=")) {
    Text key = MidText(option, 2, 2);
    int64_t n = ParseNumber(ReplaceText(MidText(option, 5), u"#", u"$"));
    // The user writes RRGGBB; COLORREF keeps red in the low byte.
    uint32_t colour = MakeColour(BlueOf(n), GreenOf(n), RedOf(n));
    if (TextEquals(key, u"bg")) {
      invocation.BackColour = colour;
    } else if (TextEquals(key, u"fc")) {
      invocation.TextColour = colour;
    } else if (TextEquals(key, u"dx")) {
      invocation.OffsetX = n;
    } else if (TextEquals(key, u"dy")) {
      invocation.OffsetY = n;
    } else if (TextEquals(key, u"fs")) {
      invocation.FontSize = n;
    } else {
      return false;
    }
  } else {
    return false;
  }
  return true;
}

}  // namespace

OptionLoopResult ReadOptions(CommandLine& line, int64_t remaining, Invocation& invocation) {
  while (remaining > 0) {
    Text parameter = NextParameter(line);
    bool recognised = false;
    if (TextEquals(LeftText(parameter, 1), u"/")) {
      Text option = LowerCase(parameter);
      ReplaceTextInPlace(option, u":", u"=");
      recognised = ApplyOption(option, invocation);
    }
    if (!recognised) {
      if (!invocation.InitialString.empty() || invocation.InitialGiven) {
        return {true, parameter};
      }
      invocation.InitialString = parameter;
      invocation.InitialGiven = true;
    }
    --remaining;
  }
  return {};
}

}  // namespace tovask
