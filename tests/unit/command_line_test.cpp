#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace tovask {
namespace {

std::vector<Text> AllParameters(TextView text) {
  CommandLine line{text};
  std::vector<Text> values;
  for (int64_t i = 0, n = ParameterCount(line); i < n; ++i) values.push_back(NextParameter(line));
  return values;
}

TEST(CommandLine, SplitsByItsOwnRules) {
  struct Case { const char* label; TextView line; int64_t count; std::vector<Text> values; };
  const Case cases[] = {
      {"name only", u"Tovask", 0, {}},
      {"empty line", u"", -1, {}},
      {"spaces only", u"   ", -1, {}},
      {"three plain", u"Tovask a b c", 3, {u"a", u"b", u"c"}},
      {"runs of spaces", u"Tovask  a   b  ", 2, {u"a", u"b"}},
      {"quoted name with spaces", u"\"C:\\Program Files\\Tovask.exe\" a", 1, {u"a"}},
      {"quoted name followed by text", u"\"C:\\Tovask.exe\"a b", 2, {u"a", u"b"}},
      {"quoted parameter", u"Tovask \"a b\" c", 2, {u"a b", u"c"}},
      {"quotes inside plain token", u"Tovask ab\"c d\"e f", 2, {u"abc de", u"f"}},
      {"text after closing quote starts a token", u"Tovask \"ab\"cd", 2, {u"ab", u"cd"}},
      {"two quoted in a row", u"Tovask \"a\"\"b\"", 2, {u"a", u"b"}},
      {"reopened section in plain token", u"Tovask ab\"c\"\"d e\"", 1, {u"abcd e"}},
      {"quote pair ends quoted token", u"Tovask \"a\"\" b\"", 2, {u"a", u" b"}},
      {"empty quoted parameter", u"Tovask \"\" x", 2, {u"", u"x"}},
      {"lone quote at end", u"Tovask a \"", 2, {u"a", u""}},
      {"three quotes each side", u"Tovask \"\"\"a\"\"\"", 3, {u"", u"a", u""}},
      {"unclosed quoted token", u"Tovask \"abc def", 1, {u"abc def"}},
      {"unclosed section in plain token", u"Tovask ab\"cd ef", 1, {u"abcd ef"}},
      {"empty quotes after text", u"Tovask x=\"\"", 1, {u"x="}},
      {"quoted value of option", u"Tovask /bg=\"12 34\"", 1, {u"/bg=12 34"}},
      {"backslash before closing quote", u"Tovask \"C:\\dir\\\" x", 2, {u"C:\\dir\\", u"x"}},
      {"backslash before quote in plain token", u"Tovask a\\\"b c\"", 1, {u"a\\b c"}},
      {"tab is no separator", u"Tovask a\tb", 1, {u"a\tb"}},
      {"tab joins the program name", u"Tovask\tx y", 1, {u"y"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParameterCount(CommandLine{c.line}), c.count) << c.label;
    EXPECT_EQ(AllParameters(c.line), c.values) << c.label;
  }
}

TEST(CommandLine, ReadingPastTheEndGivesEmptyAndKeepsIndex) {
  CommandLine line{u"Tovask a"};
  EXPECT_EQ(NextParameter(line), u"a");
  EXPECT_EQ(line.Index, 1);
  EXPECT_EQ(NextParameter(line), u"");
  EXPECT_EQ(NextParameter(line), u"");
  EXPECT_EQ(line.Index, 1);

  CommandLine nameOnly{u"Tovask"};
  EXPECT_EQ(NextParameter(nameOnly), u"");
  EXPECT_EQ(nameOnly.Index, 0);
}

TEST(CommandLine, CountDoesNotMoveTheIndex) {
  CommandLine line{u"Tovask a b"};
  EXPECT_EQ(NextParameter(line), u"a");
  EXPECT_EQ(ParameterCount(line), 2);
  EXPECT_EQ(NextParameter(line), u"b");
}

}  // namespace
}  // namespace tovask
