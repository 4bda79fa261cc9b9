// The system's own words for the button captions, read from the string
// resources of a system module mapped as data only.
#include <windows.h>

#include "dialog/captions.h"
#include "text/wide_win32.h"

namespace tovask {

Text SystemString(int64_t id) {
  Text module(CaptionModule(id));
  HMODULE library = LoadLibraryExW(Wide(module), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (library == nullptr) return Text();
  constexpr int Limit = 255;
  Text buffer(Limit + 1, u'\0');
  int length = LoadStringW(library, static_cast<UINT>(id), Wide(buffer), Limit);
  FreeLibrary(library);
  if (length <= 0) return Text();
  buffer.resize(buffer.find(u'\0'));
  return RemoveText(buffer, u"&");
}

}  // namespace tovask
