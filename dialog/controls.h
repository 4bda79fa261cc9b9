// The dialog's four controls: the prompt, the input field and two buttons.
#pragma once

#include <windows.h>

#include "dialog/layout.h"
#include "text/text.h"

namespace tovask {

HWND CreatePromptText(HWND dialog, const Bounds& bounds, TextView prompt);
void SetPromptColours(HWND prompt, COLORREF background, COLORREF text);
HWND CreateInputField(HWND dialog, const Bounds& bounds, TextView initial, uint32_t editStyle);
void SetInputLimit(HWND field, int64_t maxLength);
HWND CreateDialogButton(HWND dialog, int64_t number, const Bounds& bounds, TextView caption);
void FocusInputField(HWND dialog);
Text ReadInputText(HWND dialog);

// Answers WM_CTLCOLORSTATIC for the prompt: sets the colours on its context
// and gives its background brush. Null for any other control.
HBRUSH PromptColourBrush(HWND control, HDC dc);
void ReleasePromptColours();

}  // namespace tovask
