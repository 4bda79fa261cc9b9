// The text operations with any texts and any 64-bit positions, counts and
// indexes: what the results must be, whatever the arguments.
#include <algorithm>

#include "fuzz_support.h"

namespace tovask {
namespace {

Text AsciiLower(TextView s) {
  Text lower(s);
  for (char16_t& c : lower) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 0x20);
  }
  return lower;
}

int64_t Length(TextView s) { return static_cast<int64_t>(s.size()); }

// The matches do not depend on the replacement, so a replacement one unit
// longer than find counts them; every other replacement then gives a result
// of length |s| + k * (|replacement| - |find|).
void CheckReplace(const Text& s, const Text& find, const Text& replacement, ReplaceMode mode) {
  int64_t k = Length(ReplaceText(s, find, find + u"x", mode)) - Length(s);
  Require(k >= 0 && k * Length(find) <= Length(s),
          "the matches fit in the text without overlapping");
  int64_t expected = Length(s) + k * (Length(replacement) - Length(find));
  Require(Length(ReplaceText(s, find, replacement, mode)) == expected,
          "ReplaceText length formula");
  if (mode == ReplaceMode::Exact) {
    Require((k == 0) == (FindText(s, find, 1) == 0), "ReplaceText matches where FindText finds");
    Require(ReplaceText(s, find, find) == s, "replacing find by itself changes nothing");
    Require(RemoveText(s, find) == ReplaceText(s, find, u""), "RemoveText is replacing by nothing");
  } else {
    Require(AsciiLower(ReplaceText(s, find, find, mode)) == AsciiLower(s),
            "ignoring case, replacing find by itself changes only the case of ASCII letters");
  }
}

void CheckInPlace(const Text& s, const Text& find, const Text& replacement) {
  Text changed = s;
  ReplaceTextInPlace(changed, find, replacement);
  Require(changed.size() == s.size(), "InPlace keeps the length");
  if (replacement.size() == find.size()) {
    Require(changed == ReplaceText(s, find, replacement), "InPlace replaces as ReplaceText does");
  }
}

// Positions are clamped to the text: the results are the pieces of s that the
// clamped arguments name, and they fit together again.
void CheckPieces(const Text& s, int64_t start, int64_t count) {
  int64_t from = std::max<int64_t>(start, 1);
  int64_t rest = from > Length(s) ? 0 : Length(s) - from + 1;
  Text tail = MidText(s, start);
  Require(Length(tail) == rest && s.ends_with(tail),
          "MidText without length is the tail from start");
  Text mid = MidText(s, start, count);
  Require(mid == LeftText(tail, count), "MidText with length is the head of that tail");
  Text head = LeftText(s, count);
  Require(Length(head) == std::clamp<int64_t>(count, 0, Length(s)) && s.starts_with(head),
          "LeftText is the head of s, clamped");
  if (count >= 0 && count < Length(s)) {
    Require(head + MidText(s, count + 1) == s, "LeftText and MidText split s");
  }
  Require(MidText(s, 1, count) == head, "MidText from 1 is LeftText");
}

// Joining the fields with the separator gives s back; past the last field,
// and before the first, every field is empty.
void CheckFields(const Text& s, int64_t index, char16_t separator) {
  int64_t fields = std::count(s.begin(), s.end(), separator) + 1;
  Text field = FieldText(s, index, separator);
  Require(field.find(separator) == Text::npos, "a field holds no separator");
  if (index < 1 || index > fields) Require(field.empty(), "a field outside the text is empty");
  if (fields > 64) return;
  Text joined = FieldText(s, 1, separator);
  for (int64_t i = 2; i <= fields; ++i) joined += separator + FieldText(s, i, separator);
  Require(joined == s, "the fields joined by the separator are s");
}

}  // namespace
}  // namespace tovask

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tovask;
  FuzzedDataProvider provider(data, size);
  Text s = ConsumeText(provider, 200);
  Text find = ConsumeText(provider, 8);
  Text replacement = ConsumeText(provider, 8);
  int64_t first = ConsumeArgument(provider);
  int64_t second = ConsumeArgument(provider);
  if (find.empty()) find = u"a";  // the program never searches for the empty text

  CheckReplace(s, find, replacement, ReplaceMode::Exact);
  CheckReplace(s, find, replacement, ReplaceMode::IgnoreCase);
  CheckInPlace(s, find, replacement);
  CheckPieces(s, first, second);
  CheckFields(s, first, find[0]);
  Require(LowerCase(s).size() == s.size(), "LowerCase keeps the length");
  return 0;
}
