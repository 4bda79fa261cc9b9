// The dialog's keyboard shortcuts: Tab and Shift+Tab move the focus, Enter
// and Escape stand for the OK and Cancel buttons.
#pragma once

#include <windows.h>

#include "dialog/dialog_window.h"

namespace tovask {

void CreateFocusShortcuts(DialogWindow& window);
// `modifiers` holds FSHIFT, FCONTROL or FALT, or 0.
void AddShortcut(DialogWindow& window, WORD key, BYTE modifiers, WORD command);
void DestroyShortcuts(DialogWindow& window);

}  // namespace tovask
