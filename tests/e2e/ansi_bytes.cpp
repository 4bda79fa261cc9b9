#include "ansi_bytes.h"

#include <windows.h>

std::string AnsiBytes(const std::wstring& text) {
  if (text.empty()) return "";
  int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                 nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}
