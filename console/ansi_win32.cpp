#include "console/ansi.h"

#include <windows.h>

namespace tovask {

Text WidenAnsi(std::string_view bytes) {
  int size = static_cast<int>(bytes.size());
  int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  if (units <= 0) return Text();
  Text wide(static_cast<size_t>(units), u'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(wide.data()), units);
  return wide;
}

}  // namespace tovask
