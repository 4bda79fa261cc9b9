#include "text/text.h"

#include <gtest/gtest.h>

#include <climits>

#include "text/colour.h"

namespace tovask {
namespace {

TEST(FindText, FindsFirstOccurrenceFromStart) {
  struct Case { const char* label; TextView s, pattern; int64_t start, expected; };
  const Case cases[] = {
      {"token in lowered template", u"pay $input now", u"$input", 1, 5},
      {"no token", u"pay now", u"$input", 1, 0},
      {"empty text", u"", u"$input", 1, 0},
      {"empty pattern", u"abc", u"", 1, 0},
      {"start 0 acts as 1", u"abcabc", u"abc", 0, 1},
      {"start after first", u"abcabc", u"abc", 2, 4},
      {"start at last possible", u"abcabc", u"abc", 4, 4},
      {"start beyond end", u"abc", u"c", 4, 0},
      {"start far beyond end", u"abc", u"c", INT64_MAX, 0},
      {"case-sensitive", u"$INPUT", u"$input", 1, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(FindText(c.s, c.pattern, c.start), c.expected) << c.label;
}

TEST(ReplaceText, ScansOnceLeftToRight) {
  struct Case { const char* label; TextView s, find, replacement; ReplaceMode mode; TextView expected; };
  const ReplaceMode exact = ReplaceMode::Exact, ignore = ReplaceMode::IgnoreCase;
  const Case cases[] = {
      {"three apostrophes", u"'''", u"''", u"\"", exact, u"\"'"},
      {"four apostrophes", u"''''", u"''", u"\"", exact, u"\"\""},
      {"no overlap", u"aaaa", u"aa", u"a", exact, u"aa"},
      {"inserted text not rescanned", u"[$input]", u"$input", u"$input", exact, u"[$input]"},
      {"caret to CR LF", u"a^^b", u"^", u"\r\n", exact, u"a\r\n\r\nb"},
      {"nothing to replace", u"abc", u"^", u"\r\n", exact, u"abc"},
      {"empty replacement deletes", u"a-b-c", u"-", u"", exact, u"abc"},
      {"exact is case-sensitive", u"$INPUT", u"$input", u"x", exact, u"$INPUT"},
      {"ignore case, capitals", u"Value=$INPUT", u"$input", u"42", ignore, u"Value=42"},
      {"ignore case, mixed", u"$input $InPuT", u"$input", u"1", ignore, u"1 1"},
      {"ignore case folds only ASCII", u"\u00C9", u"\u00E9", u"e", ignore, u"\u00C9"},
      {"match may not run past end", u"ab$inpu", u"$input", u"x", ignore, u"ab$inpu"},
      {"empty text", u"", u"a", u"b", exact, u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceText(c.s, c.find, c.replacement, c.mode), c.expected) << c.label;
  }
}

TEST(ReplaceText, InPlaceKeepsLength) {
  Text option = u"/timeout:5:3";
  ReplaceTextInPlace(option, u":", u"=");
  EXPECT_EQ(option, u"/timeout=5=3");
  Text prompt = u"a^b^";
  ReplaceTextInPlace(prompt, u"^", u"\n");
  EXPECT_EQ(prompt, u"a\nb\n");
}

TEST(LeftMidText, ClampArgumentsToText) {
  struct Case { const char* label; Text actual, expected; };
  const Case cases[] = {
      {"left, count beyond length", LeftText(u"/", 9), u"/"},
      {"left, count 0", LeftText(u"abc", 0), u""},
      {"left, negative count", LeftText(u"abc", -3), u""},
      {"left, part", LeftText(u"abcdef", 2), u"ab"},
      {"mid, beyond end", MidText(u"/ab", 4, 1), u""},
      {"mid, rest", MidText(u"/timeout=25", 10), u"25"},
      {"mid, start below 1", MidText(u"abc", -5), u"abc"},
      {"mid, negative length", MidText(u"abc", 1, -1), u""},
      {"mid, length past end", MidText(u"abc", 2, 10), u"bc"},
      {"mid, one unit", MidText(u"/bg=1", 4, 1), u"="},
      {"mid, huge start", MidText(u"abc", INT64_MAX), u""},
      {"mid, huge length", MidText(u"abc", 2, INT64_MAX), u"bc"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.label;
}

TEST(FieldText, SplitsAtEverySeparator) {
  struct Case { const char* label; TextView s; int64_t index; TextView expected; };
  const Case cases[] = {
      {"first of two", u"a\nb", 1, u"a"},
      {"second of two", u"a\nb", 2, u"b"},
      {"beyond last", u"a\nb", 3, u""},
      {"trailing separator makes empty field", u"a\n", 2, u""},
      {"empty text has one empty field", u"", 1, u""},
      {"index 0", u"a", 0, u""},
      {"negative index", u"a", -1, u""},
      {"empty field between separators", u"a\n\nc", 2, u""},
      {"after empty field", u"a\n\nc", 3, u"c"},
  };
  for (const Case& c : cases) EXPECT_EQ(FieldText(c.s, c.index, u'\n'), c.expected) << c.label;
}

TEST(RemoveText, RemovesEveryOccurrence) {
  EXPECT_EQ(RemoveText(u"&Cancel", u"&"), u"Cancel");
  EXPECT_EQ(RemoveText(u"Save && Exit", u"&"), u"Save  Exit");
  EXPECT_EQ(RemoveText(u"", u"&"), u"");
  EXPECT_EQ(RemoveText(u"abc", u""), u"abc");
}

TEST(ParseNumber, ReadsSignBaseAndDigits) {
  struct Case { const char* label; TextView s; int64_t expected; };
  const Case cases[] = {
      {"decimal", u"42", 42},
      {"leading blanks and tab, trailing letters", u"  \t42xyz", 42},
      {"negative hex", u"-$1F", -31},
      {"hex", u"$ff0000", 0xFF0000},
      {"hex capitals", u"$C", 12},
      {"binary", u"%101", 5},
      {"binary stops at 2", u"%1012", 5},
      {"plus sign", u"+7", 7},
      {"dollar alone", u"$", 0},
      {"percent alone", u"%", 0},
      {"empty", u"", 0},
      {"0x is no prefix", u"0x1F", 0},
      {"stops at point", u"1.9", 1},
      {"blank after sign", u"- 5", 0},
      {"two signs", u"+-5", 0},
      {"number sign is no prefix", u"#10", 0},
      {"decimal stops at hex letter", u"FF0000", 0},
      {"2^64+1 wraps to 1", u"18446744073709551617", 1},
      {"int64 max", u"9223372036854775807", INT64_MAX},
      {"int64 max + 1 wraps", u"9223372036854775808", INT64_MIN},
      {"negative int64 min", u"-9223372036854775808", INT64_MIN},
      {"long hex wraps", u"$1FFFFFFFFFFFFFFFF", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseNumber(c.s), c.expected) << c.label;
}

TEST(SpaceText, MakesBlanks) {
  EXPECT_EQ(SpaceText(3), u"   ");
  EXPECT_EQ(SpaceText(0), u"");
  EXPECT_EQ(SpaceText(-2), u"");
}

TEST(LowerCase, MapsEachCodeUnitKeepingLength) {
  EXPECT_EQ(LowerCase(u"/SCREEN:$INPUT"), u"/screen:$input");
  EXPECT_EQ(LowerCase(u"\u00C4\u0416\u0391"), u"\u00E4\u0436\u03B1");
  Text surrogates = u"\U0001F600\xD800";
  EXPECT_EQ(LowerCase(surrogates), surrogates);
  EXPECT_EQ(LowerCase(u""), u"");
}

TEST(Colour, SwapsOuterBytes) {
  auto swapped = [](int64_t n) { return MakeColour(BlueOf(n), GreenOf(n), RedOf(n)); };
  EXPECT_EQ(swapped(0xFF0000), 0x0000FFu);
  EXPECT_EQ(swapped(0x123456), 0x563412u);
  EXPECT_EQ(swapped(-1), 0xFFFFFFu);
  EXPECT_EQ(swapped(0x7F123456), 0x563412u);
}

}  // namespace
}  // namespace tovask
