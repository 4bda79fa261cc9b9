#include "app/command_line.h"

namespace tovask {

namespace {

// Finds the token that starts at or after `at`; on success stores its value
// (quotes removed) and moves `at` to where the scan goes on.
bool ScanToken(TextView line, size_t& at, Text& value) {
  while (at < line.size() && line[at] == u' ') ++at;
  if (at >= line.size()) return false;
  value.clear();
  if (line[at] == u'"') {
    size_t close = line.find(u'"', at + 1);
    size_t end = close == TextView::npos ? line.size() : close;
    value.assign(line.substr(at + 1, end - at - 1));
    at = close == TextView::npos ? line.size() : close + 1;
    return true;
  }
  bool quoted = false;
  for (; at < line.size(); ++at) {
    char16_t c = line[at];
    if (c == u'"') {
      quoted = !quoted;
    } else if (c == u' ' && !quoted) {
      ++at;
      return true;
    } else {
      value.push_back(c);
    }
  }
  return true;
}

}  // namespace

int64_t ParameterCount(const CommandLine& line) {
  size_t at = 0;
  Text value;
  int64_t tokens = 0;
  while (ScanToken(line.Line, at, value)) ++tokens;
  return tokens - 1;
}

Text NextParameter(CommandLine& line) {
  size_t at = 0;
  Text value;
  for (int64_t token = 0; token <= int64_t{line.Index} + 1; ++token) {
    if (!ScanToken(line.Line, at, value)) return Text();
  }
  ++line.Index;
  return value;
}

}  // namespace tovask
