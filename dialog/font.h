// The dialog's one font and the process-wide default font for new controls.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tovask {

// The display's vertical DPI, read once at start-up; 96 when it cannot be read.
int ReadDisplayDpi();

// Initialises the common controls and sets the default control font to the
// stock GUI font.
void InitControls();

HFONT CreateDialogFont(int64_t fontSize, int dpi);
void SetDefaultControlFont(HFONT font);
HFONT DefaultControlFont();

}  // namespace tovask
