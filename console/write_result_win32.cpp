#include "console/write_result.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "console/console.h"
#include "console/result.h"
#include "text/wide_win32.h"

namespace tovask {

namespace {

// Raw bytes to standard output, even when it is the console; nothing added.
DWORD WriteRaw(const char* bytes, DWORD length) {
  DWORD written = 0;
  if (!WriteFile(StandardOutput(), bytes, length, &written, nullptr)) return 0;
  return written;
}

}  // namespace

void WriteResult(TextView outputString, TextView typed) {
  Text result = ResultText(outputString, typed);
  // Flags 0 let the system's best-fit mapping apply; unmappable characters
  // become the code page's default character.
  int size = WideCharToMultiByte(CP_ACP, 0, Wide(result), -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return;
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, Wide(result), -1, bytes.data(), size, nullptr, nullptr);
  // An empty result writes nothing at all: a zero-length write on a pipe can
  // look like its end to the reader.
  DWORD length = static_cast<DWORD>(std::strlen(bytes.c_str()));
  if (length > 0) WriteRaw(bytes.data(), length);
}

}  // namespace tovask
