#include "text/text.h"

namespace tovask {

namespace {

char16_t AsciiLower(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

bool MatchesAt(TextView s, size_t at, TextView find, ReplaceMode mode) {
  if (find.size() > s.size() - at) return false;
  for (size_t i = 0; i < find.size(); ++i) {
    char16_t a = s[at + i];
    char16_t b = find[i];
    if (mode == ReplaceMode::IgnoreCase) {
      a = AsciiLower(a);
      b = AsciiLower(b);
    }
    if (a != b) return false;
  }
  return true;
}

// Clamps a 1-based start position to an index into s; beyond the end gives s.size().
size_t StartIndex(TextView s, int64_t start) {
  if (start < 1) return 0;
  if (static_cast<uint64_t>(start) > s.size()) return s.size();
  return static_cast<size_t>(start - 1);
}

}  // namespace

bool TextEquals(TextView a, TextView b) { return a == b; }

int64_t TextLength(TextView s) { return static_cast<int64_t>(s.size()); }

int64_t FindText(TextView s, TextView pattern, int64_t start) {
  if (s.empty() || pattern.empty()) return 0;
  size_t found = s.find(pattern, StartIndex(s, start));
  return found == TextView::npos ? 0 : static_cast<int64_t>(found) + 1;
}

Text ReplaceText(TextView s, TextView find, TextView replacement, ReplaceMode mode) {
  Text result;
  result.reserve(s.size());
  size_t at = 0;
  while (at < s.size()) {
    if (!find.empty() && MatchesAt(s, at, find, mode)) {
      result.append(replacement);
      at += find.size();
    } else {
      result.push_back(s[at]);
      ++at;
    }
  }
  return result;
}

// Callers replace one code unit by one code unit, so the text keeps its length;
// a replacement of another length would not fit and leaves s unchanged.
void ReplaceTextInPlace(Text& s, TextView find, TextView replacement) {
  if (find.empty() || replacement.size() != find.size()) return;
  size_t at = 0;
  while (at < s.size()) {
    if (MatchesAt(s, at, find, ReplaceMode::Exact)) {
      s.replace(at, find.size(), replacement);
      at += find.size();
    } else {
      ++at;
    }
  }
}

Text LeftText(TextView s, int64_t count) {
  if (count <= 0) return Text();
  if (static_cast<uint64_t>(count) >= s.size()) return Text(s);
  return Text(s.substr(0, static_cast<size_t>(count)));
}

Text MidText(TextView s, int64_t start, int64_t length) {
  if (length < 0) length = 0;
  if (start < 1) start = 1;
  if (static_cast<uint64_t>(start) > s.size()) return Text();
  size_t from = static_cast<size_t>(start - 1);
  size_t available = s.size() - from;
  size_t count = static_cast<uint64_t>(length) < available ? static_cast<size_t>(length) : available;
  return Text(s.substr(from, count));
}

Text MidText(TextView s, int64_t start) {
  if (start < 1) start = 1;
  if (static_cast<uint64_t>(start) > s.size()) return Text();
  return Text(s.substr(static_cast<size_t>(start - 1)));
}

Text FieldText(TextView s, int64_t index, char16_t separator) {
  if (index < 1) return Text();
  size_t from = 0;
  for (int64_t field = 1; field < index; ++field) {
    size_t next = s.find(separator, from);
    if (next == TextView::npos) return Text();
    from = next + 1;
  }
  size_t end = s.find(separator, from);
  return Text(s.substr(from, end == TextView::npos ? TextView::npos : end - from));
}

Text RemoveText(TextView s, TextView find) { return ReplaceText(s, find, TextView()); }

// Digits accumulate in unsigned arithmetic so that overflow wraps around
// (two's complement) instead of being undefined.
int64_t ParseNumber(TextView s) {
  size_t at = 0;
  while (at < s.size() && (s[at] == u' ' || s[at] == u'\t')) ++at;
  bool negative = false;
  if (at < s.size() && (s[at] == u'-' || s[at] == u'+')) {
    negative = s[at] == u'-';
    ++at;
  }
  uint64_t base = 10;
  if (at < s.size() && s[at] == u'$') {
    base = 16;
    ++at;
  } else if (at < s.size() && s[at] == u'%') {
    base = 2;
    ++at;
  }
  uint64_t value = 0;
  for (; at < s.size(); ++at) {
    char16_t c = s[at];
    uint64_t digit;
    if (c >= u'0' && c <= u'9') {
      digit = static_cast<uint64_t>(c - u'0');
    } else if (c >= u'a' && c <= u'f') {
      digit = static_cast<uint64_t>(c - u'a' + 10);
    } else if (c >= u'A' && c <= u'F') {
      digit = static_cast<uint64_t>(c - u'A' + 10);
    } else {
      break;
    }
    if (digit >= base) break;
    value = value * base + digit;
  }
  if (negative) value = 0 - value;
  return static_cast<int64_t>(value);
}

Text SpaceText(int64_t count) {
  if (count <= 0) return Text();
  return Text(static_cast<size_t>(count), u' ');
}

}  // namespace tovask
