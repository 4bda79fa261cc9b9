#include "app/options.h"

#include <gtest/gtest.h>

#include <climits>

namespace tovask {
namespace {

struct OptionRun {
  Invocation Call;
  OptionLoopResult Result;
};

// Runs the option loop over the parameters of `parameters`, a command-line
// tail after the prompt.
OptionRun ReadAll(TextView parameters) {
  Text text = Text(u"Tovask ") + Text(parameters);
  CommandLine line{text};
  OptionRun run;
  run.Result = ReadOptions(line, ParameterCount(line), run.Call);
  return run;
}

TEST(Options, NumbersAndColours) {
  struct Case { const char* label; TextView parameters; int64_t Invocation::*field; int64_t expected; };
  const Case cases[] = {
      {"timeout with colon and capitals", u"/TIMEOUT:5", &Invocation::TimeoutMs, 5000},
      {"timeout ends at point", u"/timeout=2.5", &Invocation::TimeoutMs, 2000},
      {"timeout hex", u"/timeout=$A", &Invocation::TimeoutMs, 10000},
      {"timeout number sign stops", u"/timeout=#10", &Invocation::TimeoutMs, 0},
      {"timeout negative", u"/timeout=-1", &Invocation::TimeoutMs, -1000},
      {"timeout wraps", u"/timeout=9223372036854775807", &Invocation::TimeoutMs,
       static_cast<int64_t>(uint64_t{INT64_MAX} * 1000)},
      {"length", u"/length=20", &Invocation::MaxLength, 20},
      {"length zero", u"/length=0", &Invocation::MaxLength, 0},
      {"length letters", u"/length=abc", &Invocation::MaxLength, 0},
      {"font size decimal", u"/fs=12", &Invocation::FontSize, 12},
      {"font size number sign", u"/fs=#c", &Invocation::FontSize, 12},
      {"font size dollar", u"/fs=$C", &Invocation::FontSize, 12},
      {"offset x", u"/dx=-40", &Invocation::OffsetX, -40},
      {"offset y", u"/dy=25", &Invocation::OffsetY, 25},
      {"offset huge", u"/dx=9223372036854775807", &Invocation::OffsetX, INT64_MAX},
  };
  for (const Case& c : cases) {
    OptionRun run = ReadAll(c.parameters);
    EXPECT_FALSE(run.Result.Stopped) << c.label;
    EXPECT_EQ(run.Call.*c.field, c.expected) << c.label;
    EXPECT_FALSE(run.Call.InitialGiven) << c.label;
  }
}

TEST(Options, ColoursAreReadAsRrggbb) {
  struct Case { const char* label; TextView parameters; uint32_t back, text; };
  const Case cases[] = {
      {"default", u"", 0xFFFFFF, 0},
      {"red with number sign", u"/bg=#FF0000", 0x0000FF, 0},
      {"red with colon and capitals", u"/BG:#ff0000", 0x0000FF, 0},
      {"blue text", u"/fc=#0000FF", 0xFFFFFF, 0xFF0000},
      {"decimal 255 is blue", u"/bg=255", 0xFF0000, 0},
      {"no prefix is decimal", u"/bg=FF0000", 0, 0},
      {"empty value", u"/bg=", 0, 0},
      {"minus one", u"/bg=-1", 0xFFFFFF, 0},
      {"value starting with equals", u"/bg==5", 0, 0},
  };
  for (const Case& c : cases) {
    OptionRun run = ReadAll(c.parameters);
    EXPECT_FALSE(run.Result.Stopped) << c.label;
    EXPECT_EQ(run.Call.BackColour, c.back) << c.label;
    EXPECT_EQ(run.Call.TextColour, c.text) << c.label;
  }
}

TEST(Options, EditStylesInOrder) {
  struct Case { const char* label; TextView parameters; uint32_t expected; };
  const Case cases[] = {
      {"pass then lower", u"/pass /lower", 0x10},
      {"lower then pass", u"/lower /pass", 0x30},
      {"num then upper", u"/num /upper", 0x8},
      {"upper then num", u"/upper /num", 0x2008},
      {"lower then upper", u"/lower /upper", 0x8},
      {"pass and num", u"/PASS /Num", 0x2020},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadAll(c.parameters).Call.EditStyle, c.expected) << c.label;
}

TEST(Options, FlagsAndInitialString) {
  OptionRun run = ReadAll(u"/SCREEN Anna /english");
  EXPECT_TRUE(run.Call.CentreOnScreen);
  EXPECT_TRUE(run.Call.EnglishCaptions);
  EXPECT_EQ(run.Call.InitialString, u"Anna");
  EXPECT_TRUE(run.Call.InitialGiven);
  EXPECT_FALSE(run.Result.Stopped);
}

TEST(Options, StopsAtSecondUnplacedParameter) {
  struct Case { const char* label; TextView parameters; TextView initial; bool stopped; TextView invalid; };
  const Case cases[] = {
      {"unknown option becomes initial", u"/xyz", u"/xyz", false, u""},
      {"option with value form", u"/screen=1", u"/screen=1", false, u""},
      {"option with colon", u"/screen:", u"/screen:", false, u""},
      {"timeout without equals", u"/timeout", u"/timeout", false, u""},
      {"initial kept as written", u"/XyZ:1", u"/XyZ:1", false, u""},
      {"text then unknown option", u"abc /xyz", u"abc", true, u"/xyz"},
      {"unknown option then text", u"/xyz abc", u"/xyz", true, u"abc"},
      {"key not in table", u"/ab=5 abc", u"/ab=5", true, u"abc"},
      {"later parameters not read", u"abc def /screen", u"abc", true, u"def"},
      {"empty initial is taken", u"\"\" abc", u"", true, u"abc"},
      {"reported as written", u"abc /Xyz:1", u"abc", true, u"/Xyz:1"},
  };
  for (const Case& c : cases) {
    OptionRun run = ReadAll(c.parameters);
    EXPECT_EQ(run.Call.InitialString, c.initial) << c.label;
    EXPECT_TRUE(run.Call.InitialGiven) << c.label;
    EXPECT_EQ(run.Result.Stopped, c.stopped) << c.label;
    EXPECT_EQ(run.Result.InvalidParameter, c.invalid) << c.label;
  }
  OptionRun later = ReadAll(u"abc def /screen");
  EXPECT_FALSE(later.Call.CentreOnScreen);
}

TEST(Options, NoParametersKeepsDefaults) {
  CommandLine line{u"Tovask"};
  Invocation call;
  EXPECT_FALSE(ReadOptions(line, 0, call).Stopped);
  EXPECT_FALSE(ReadOptions(line, -2, call).Stopped);
  EXPECT_EQ(call.FontSize, 9);
  EXPECT_EQ(call.BackColour, 0xFFFFFFu);
  EXPECT_EQ(call.TextColour, 0u);
  EXPECT_EQ(call.EditStyle, 0u);
  EXPECT_EQ(call.TimeoutMs, 0);
  EXPECT_EQ(call.MaxLength, 0);
  EXPECT_FALSE(call.InitialGiven);
}

}  // namespace
}  // namespace tovask
