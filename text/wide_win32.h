// The boundary to the Win32 wide-character API: wchar_t is a UTF-16 code unit
// on Windows, so texts are handed over without conversion.
#pragma once

#include "text/text.h"

namespace tovask {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t must be UTF-16");

inline wchar_t* Wide(Text& s) { return reinterpret_cast<wchar_t*>(s.data()); }
inline const wchar_t* Wide(const Text& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
inline const wchar_t* Wide(TextView s) { return reinterpret_cast<const wchar_t*>(s.data()); }
inline TextView AsText(const wchar_t* s) { return TextView(reinterpret_cast<const char16_t*>(s)); }

}  // namespace tovask
