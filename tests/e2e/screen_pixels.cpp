#include "screen_pixels.h"

COLORREF ClientPixel(HWND window, POINT clientPoint) {
  ClientToScreen(window, &clientPoint);
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, clientPoint.x, clientPoint.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

bool AreaHasColour(HWND window, const RECT& clientArea, COLORREF colour) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  HDC screen = GetDC(nullptr);
  bool found = false;
  for (LONG y = clientArea.top; y < clientArea.bottom && !found; ++y) {
    for (LONG x = clientArea.left; x < clientArea.right && !found; ++x) {
      found = GetPixel(screen, origin.x + x, origin.y + y) == colour;
    }
  }
  ReleaseDC(nullptr, screen);
  return found;
}
