// Acting on the dialog as a user would: keys, typed text and mouse clicks go
// through SendInput to the foreground window, which is the dialog first.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Brings the window to the foreground; false when it does not get there.
bool BringToFront(HWND window);

// Each key is pressed and released while the modifiers (VK_SHIFT,
// VK_CONTROL, VK_MENU) are held. Extended keys such as the Enter of the
// numeric keypad are asked for with extended.
bool PressKey(HWND window, WORD key, const std::vector<WORD>& modifiers = {}, bool extended = false);

// Types the text as Unicode characters, independent of the keyboard layout.
bool TypeText(HWND window, const std::wstring& text);

// A left click at a point in screen coordinates.
bool ClickAt(HWND window, POINT screenPoint);

// A left click in the middle of a control.
bool ClickControl(HWND window, HWND control);

// The middle of the caption's close box, found by asking the window's own
// hit test; false when the caption has none.
bool CloseBoxPoint(HWND window, POINT& screenPoint);
