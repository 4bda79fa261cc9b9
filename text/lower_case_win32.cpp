// LowerCase with the system's own lower-case mapping.
#include "text/text.h"

#include <windows.h>

namespace tovask {

// CharLowerBuffW maps the copy one code unit at a time over its exact
// length, so the length never changes.
Text LowerCase(TextView s) {
  Text result(s);
  if (!result.empty()) {
    CharLowerBuffW(reinterpret_cast<wchar_t*>(result.data()), static_cast<DWORD>(result.size()));
  }
  return result;
}

}  // namespace tovask
