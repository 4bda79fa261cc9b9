// Keys and typed text for a dialog of another process, as posted messages to
// its focused control (WM_KEYDOWN and WM_KEYUP for keys, WM_CHAR for text):
// they pass the program's own message loop and shortcut table as keyboard
// input does, without the dialog having to be the foreground window.
#pragma once

#include <windows.h>

#include <string>

void PostKey(HWND dialog, WORD key);
void PostText(HWND dialog, const std::wstring& text);
