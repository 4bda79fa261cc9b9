// The dialog's one top-level window and what it owns.
#pragma once

#include <windows.h>

#include <vector>

#include "dialog/centring.h"
#include "dialog/dialog_loop.h"
#include "text/text.h"

namespace tovask {

struct DialogWindow {
  HWND Handle = nullptr;
  HWND Owner = nullptr;
  CentringMode Mode = CentringMode::ScreenCentring;
  int64_t Colour = -1;  // COLORREF of the background, -1 while none is set
  HBRUSH Brush = nullptr;
  std::vector<ACCEL> Shortcuts;
  HACCEL ShortcutTable = nullptr;
  HWND RememberedFocus = nullptr;  // the focused control when last deactivated
  EventQueue Events;
};

// Loads the class's icon and cursor; called once at start-up.
void PrepareWindowClass();

// Registers the class, creates the window invisible with a client area of
// 300 x 115, centres it and builds the Tab shortcuts. Null on failure.
HWND OpenDialogWindow(DialogWindow& window, TextView title, HWND owner, CentringMode mode);
void SetWindowColour(DialogWindow& window, int64_t colour);
void ShowDialogWindow(const DialogWindow& window);
void MakeTopmost(const DialogWindow& window);
void CloseDialogWindow(DialogWindow& window);

}  // namespace tovask
