// Text operations shared by parsing, layout and output. Texts are UTF-16;
// lengths and positions count code units and positions start at 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tovask {

using Text = std::u16string;
using TextView = std::u16string_view;

enum class ReplaceMode { Exact, IgnoreCase };

bool TextEquals(TextView a, TextView b);
int64_t TextLength(TextView s);
Text LowerCase(TextView s);
int64_t FindText(TextView s, TextView pattern, int64_t start);
Text ReplaceText(TextView s, TextView find, TextView replacement,
                 ReplaceMode mode = ReplaceMode::Exact);
void ReplaceTextInPlace(Text& s, TextView find, TextView replacement);
Text LeftText(TextView s, int64_t count);
Text MidText(TextView s, int64_t start, int64_t length);
Text MidText(TextView s, int64_t start);
Text FieldText(TextView s, int64_t index, char16_t separator);
Text RemoveText(TextView s, TextView find);
int64_t ParseNumber(TextView s);
Text SpaceText(int64_t count);

}  // namespace tovask
