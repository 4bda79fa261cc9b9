// Where the dialog should be, computed from the platform's own numbers: the
// work area, the screen size, the frame that AdjustWindowRectEx adds, and
// the rectangle of the window it is centred on.
#pragma once

#include <windows.h>

// The dialog's frame style: a caption with a system menu, no sizing border.
inline constexpr DWORD DialogStyle = WS_CAPTION | WS_SYSMENU;

RECT WorkArea();

// The frame size for a client area of the given size.
SIZE OuterSize(LONG clientWidth, LONG clientHeight);

// The top-left corner of the provisional window (client 300 x 115) centred
// on the owner's window rectangle, or on the screen when owner is NULL.
POINT CentredCorner(HWND owner);

// The final corner: the centred corner moved by the offsets and kept inside
// the work area as the dialog keeps it (one pixel short of the far edges).
POINT FinalCorner(POINT centred, LONG offsetX, LONG offsetY, SIZE outer);
