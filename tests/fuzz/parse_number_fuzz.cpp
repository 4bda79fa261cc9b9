// ParseNumber on any text, checked through properties that a reading of
// signed numerals in three bases must have, with 64-bit wrap-around.
#include "fuzz_support.h"

namespace tovask {
namespace {

uint64_t Wrapped(int64_t n) { return static_cast<uint64_t>(n); }

// Whatever the text, the parser's state is ended by a code unit that is no
// digit, blank or sign; leading blanks and tabs change nothing; one sign
// negates or keeps the value, and a second sign gives 0.
void CheckAnyText(const Text& s) {
  int64_t n = ParseNumber(s);
  Require(ParseNumber(s + u"g" + s) == n, "a non-digit ends the number");
  Require(ParseNumber(u" \t " + s) == n, "leading blanks and tabs are skipped");
  bool startsFree = s.empty() || (s[0] != u' ' && s[0] != u'\t' && s[0] != u'+' && s[0] != u'-');
  if (startsFree) {
    Require(Wrapped(ParseNumber(u"-" + s)) == 0 - Wrapped(n), "a minus sign negates, wrapping");
    Require(ParseNumber(u"+" + s) == n, "a plus sign changes nothing");
    Require(ParseNumber(u"+-" + s) == 0 && ParseNumber(u"--" + s) == 0, "a second sign gives 0");
  }
}

struct Base {
  TextView Prefix;
  uint64_t Radix;
  TextView Digits;  // every digit of the base, in both cases where there are two
};
constexpr Base Bases[] = {
    {u"", 10, u"0123456789"},
    {u"$", 16, u"0123456789abcdefABCDEF"},
    {u"%", 2, u"01"},
};

uint64_t DigitValue(char16_t digit) {
  return digit <= u'9' ? uint64_t{digit} - u'0' : (uint64_t{digit} | 0x20) - u'a' + 10;
}

Text ConsumeDigits(FuzzedDataProvider& data, const Base& base) {
  Text digits;
  size_t count = data.ConsumeIntegralInRange<size_t>(0, 40);
  for (size_t i = 0; i < count; ++i) {
    digits.push_back(base.Digits[data.ConsumeIntegralInRange<size_t>(0, base.Digits.size() - 1)]);
  }
  return digits;
}

// Numerals put side by side: value(D E) = value(D) * radix^|E| + value(E),
// modulo 2^64; a single digit is worth its place in the digit list.
void CheckNumerals(FuzzedDataProvider& data) {
  const Base& base = Bases[data.ConsumeIntegralInRange<size_t>(0, std::size(Bases) - 1)];
  Text high = ConsumeDigits(data, base);
  Text low = ConsumeDigits(data, base);
  Text prefix(base.Prefix);
  uint64_t scale = 1;
  for (size_t i = 0; i < low.size(); ++i) scale *= base.Radix;
  uint64_t expected =
      Wrapped(ParseNumber(prefix + high)) * scale + Wrapped(ParseNumber(prefix + low));
  Require(Wrapped(ParseNumber(prefix + high + low)) == expected, "numerals compose in their base");
  if (low.size() == 1) {
    Require(Wrapped(ParseNumber(prefix + low)) == DigitValue(low[0]), "a digit has its value");
  }
}

}  // namespace
}  // namespace tovask

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tovask;
  CheckAnyText(CodeUnits(data, size));
  FuzzedDataProvider provider(data, size);
  CheckNumerals(provider);
  return 0;
}
