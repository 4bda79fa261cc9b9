#include "app/flow.h"

#include <gtest/gtest.h>

#include "app/usage.h"

namespace tovask {
namespace {

FlowDecision Decide(TextView text) {
  CommandLine line{text};
  return DecideRoad(line);
}

TEST(Flow, TakesTheRoadOfTheCommandLine) {
  struct Case {
    const char* label;
    TextView line;
    Road road;
    TextView title, output, prompt, initial, invalid;
  };
  const Case cases[] = {
      {"no parameters", u"Tovask", Road::Usage, u"", u"", u"", u"", u""},
      {"one parameter without token", u"Tovask x", Road::Usage, u"x", u"", u"", u"", u""},
      {"empty output after title", u"Tovask Title \"\"", Road::Usage, u"Title", u"", u"", u"", u""},
      {"token in capitals", u"Tovask $INPUT", Road::Dialog, u"Tovask", u"$INPUT", u"", u"", u""},
      {"empty title", u"Tovask \"\" \"echo $input\"", Road::Dialog, u"", u"echo $input", u"", u"", u""},
      {"option as title", u"Tovask /screen \"echo $input\" Name?", Road::Dialog, u"/screen",
       u"echo $input", u"Name?", u"", u""},
      {"no token", u"Tovask \"My title\" \"no token\"", Road::MissingToken, u"My title", u"no token",
       u"", u"", u""},
      {"second unplaced parameter", u"Tovask \"echo $input\" Name? abc def", Road::InvalidOption,
       u"Tovask", u"echo $input", u"Name?", u"abc", u"def"},
      {"unknown option as initial", u"Tovask \"echo $input\" Name? /bogus", Road::Dialog, u"Tovask",
       u"echo $input", u"Name?", u"/bogus", u""},
      {"two unknown options", u"Tovask \"echo $input\" Name? /bogus /other", Road::InvalidOption,
       u"Tovask", u"echo $input", u"Name?", u"/bogus", u"/other"},
      {"prompt replacements", u"Tovask $input a''b^c", Road::Dialog, u"Tovask", u"$input",
       u"a\"b\nc", u"", u""},
      {"typical run", u"Tovask \"Your name\" \"set name=$input^\" Name: Anna /timeout=30", Road::Dialog,
       u"Your name", u"set name=$input^", u"Name:", u"Anna", u""},
  };
  for (const Case& c : cases) {
    FlowDecision decision = Decide(c.line);
    EXPECT_EQ(decision.Taken, c.road) << c.label;
    if (c.road == Road::Usage) continue;
    EXPECT_EQ(decision.Call.TitleString, c.title) << c.label;
    EXPECT_EQ(decision.Call.OutputString, c.output) << c.label;
    EXPECT_EQ(decision.Call.PromptString, c.prompt) << c.label;
    EXPECT_EQ(decision.Call.InitialString, c.initial) << c.label;
    EXPECT_EQ(decision.InvalidParameter, c.invalid) << c.label;
  }
  EXPECT_EQ(Decide(u"Tovask $input Name: Anna /timeout=30").Call.TimeoutMs, 30000);
}

TEST(Flow, PendingMessagePerRoad) {
  const Text usage = u"usage text\r\n";
  EXPECT_EQ(PendingMessage(Decide(u"Tovask"), usage), Text(BannerLine) + usage);
  EXPECT_EQ(PendingMessage(Decide(u"Tovask title notoken"), usage),
            u"$input token is required in OutputString");
  EXPECT_EQ(PendingMessage(Decide(u"Tovask $input p a /Xyz:1"), usage), u"Invalid Option: /Xyz:1");
  EXPECT_EQ(PendingMessage(Decide(u"Tovask $input p"), usage), u"");
}

TEST(Flow, UsageTextIsTheFourLines) {
  EXPECT_STREQ(UsageText,
               "Console (CMD script) input\r\nSyntax:\r\n"
               "    Tovask [TitleString] OutputString PromptString [InitialString] [Options] \r\n"
               "For details see Tovask.txt\r\n");
  EXPECT_EQ(BannerLine.substr(0, 20), u"Tovask ver. 1.42/x64");
  EXPECT_EQ(BannerLine.substr(BannerLine.size() - 2), u"\r\n");
}

}  // namespace
}  // namespace tovask
