// Reading the dialog and its controls from another process: everything here
// goes through window messages and window attributes, never through GDI
// handles, which mean nothing outside the process that made them.
#pragma once

#include <windows.h>

#include <iosfwd>
#include <string>

// The control's rectangle in the client coordinates of its parent.
RECT ControlRect(HWND control);

// The client rectangle of the window (left and top are 0).
RECT ClientRect(HWND window);

std::wstring WindowText(HWND window);  // through WM_GETTEXT
std::wstring ClassName(HWND window);
DWORD Style(HWND window);
DWORD ExStyle(HWND window);
HWND Owner(HWND window);

// The selection of an edit control, as EM_GETSEL reports it.
struct Selection {
  DWORD Start = 0;
  DWORD End = 0;
  bool operator==(const Selection&) const = default;
};
Selection EditSelection(HWND edit);
DWORD EditLimit(HWND edit);  // EM_GETLIMITTEXT

// Rectangles compare and print as (x, y, width, height), the way the layout
// is reasoned about.
struct Bounds {
  LONG X = 0, Y = 0, Width = 0, Height = 0;
  bool operator==(const Bounds&) const = default;
};
Bounds BoundsOf(const RECT& rect);
std::ostream& operator<<(std::ostream& out, const Bounds& bounds);
