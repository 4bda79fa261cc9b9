// Creating, placing and re-placing the dialog's controls and sizing its window.
#pragma once

#include <windows.h>

#include "app/invocation.h"
#include "dialog/captions.h"
#include "dialog/layout.h"

namespace tovask {

// The window exists, invisible, where its provisional size was centred;
// `geometry.WorkArea` has been read.
void LayoutDialog(HWND dialog, HFONT font, const Invocation& invocation, const Captions& captions,
                  DialogGeometry& geometry);
void RelayoutDialog(HWND dialog, const DialogGeometry& geometry);

ScreenRect ReadWorkArea();

}  // namespace tovask
