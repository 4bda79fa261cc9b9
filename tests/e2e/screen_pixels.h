// Colours as they reach the screen: what the user sees, read back from the
// screen's device context.
#pragma once

#include <windows.h>

// The colour of the screen pixel at a point in the window's client area.
COLORREF ClientPixel(HWND window, POINT clientPoint);

// True when some pixel of the client rectangle has exactly the colour.
bool AreaHasColour(HWND window, const RECT& clientArea, COLORREF colour);
