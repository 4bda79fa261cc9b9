#include "posted_input.h"

#include "dialog_finder.h"

void PostKey(HWND dialog, WORD key) {
  HWND focus = FocusOf(dialog);
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(focus, WM_KEYDOWN, key, scan | 1);
  PostMessageW(focus, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
}

void PostText(HWND dialog, const std::wstring& text) {
  HWND focus = FocusOf(dialog);
  for (wchar_t c : text) PostMessageW(focus, WM_CHAR, c, 1);
}
