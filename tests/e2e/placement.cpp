#include "placement.h"

#include <algorithm>

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

SIZE OuterSize(LONG clientWidth, LONG clientHeight) {
  RECT rect{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&rect, DialogStyle, FALSE, 0);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

POINT CentredCorner(HWND owner) {
  SIZE size = OuterSize(300, 115);
  if (owner == nullptr) {
    LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    return {(cx - std::min(size.cx, cx)) / 2, (cy - std::min(size.cy, cy)) / 2};
  }
  RECT around;
  GetWindowRect(owner, &around);
  LONG x = around.left + (around.right - around.left - size.cx) / 2;
  LONG y = around.top + (around.bottom - around.top - size.cy) / 2;
  return {std::max(x, 0L), std::max(y, 0L)};
}

POINT FinalCorner(POINT centred, LONG offsetX, LONG offsetY, SIZE outer) {
  RECT area = WorkArea();
  LONG x = centred.x + offsetX, y = centred.y + offsetY;
  if (x < area.left) x = area.left;
  if (x + outer.cx > area.right) x = area.right - outer.cx - 1;
  if (y < area.top) y = area.top;
  if (y + outer.cy > area.bottom) y = area.bottom - outer.cy - 1;
  return {x, y};
}
