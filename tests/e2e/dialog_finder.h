// Finding the input dialog of a running Tovask from outside. Console programs
// never become "input idle", so the top-level windows are polled instead.
#pragma once

#include <windows.h>

// The class name the dialog registers.
inline constexpr wchar_t DialogClass[] = L"WindowClass_0";

// Identifiers of the dialog's controls.
enum ControlId : int { PromptTextId = 0, InputFieldId = 1, OkButtonId = 2, CancelButtonId = 3 };

// The top-level dialog window of the process (any process when processId is
// 0), visible or not; NULL when there is none.
HWND FindDialog(DWORD processId);

// The window that has the keyboard focus in the thread owning the window.
HWND FocusOf(HWND window);

// Waits until the process shows its dialog ready for the user: the input
// field has the focus and the buttons are centred. NULL on a time-out.
HWND WaitForDialog(DWORD processId, DWORD milliseconds = 10000);
