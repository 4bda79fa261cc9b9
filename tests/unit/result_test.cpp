#include "console/result.h"

#include <gtest/gtest.h>

namespace tovask {
namespace {

TEST(ResultText, ReplacementsInTheirOrder) {
  struct Case { const char* label; TextView output, typed, expected; };
  const Case cases[] = {
      {"line end from caret", u"set name=$input^", u"Anna", u"set name=Anna\r\n"},
      {"no line end added", u"set name=$input", u"Anna", u"set name=Anna"},
      {"quotes and mixed case", u"echo ''$Input''^", u"a b", u"echo \"a b\"\r\n"},
      {"every spelling", u"$input-$INPUT-$InPuT", u"ab", u"ab-ab-ab"},
      {"typed caret becomes CR LF", u"$input", u"x^y", u"x\r\ny"},
      {"typed apostrophes stay", u"$input", u"it''s", u"it''s"},
      {"typed token stays", u"[$input]", u"$input", u"[$input]"},
      {"empty answer", u"set x=$input", u"", u"set x="},
      {"nothing at all", u"$input", u"", u""},
      {"surrogates pass through", u"$input", u"\U0001F600", u"\U0001F600"},
  };
  for (const Case& c : cases) EXPECT_EQ(ResultText(c.output, c.typed), c.expected) << c.label;
}

}  // namespace
}  // namespace tovask
