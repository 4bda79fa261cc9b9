// The dialog while it is open: messages become events, and the loop reads
// them until the outcome is known.
#pragma once

#include <windows.h>

#include "dialog/dialog_loop.h"
#include "dialog/dialog_window.h"
#include "dialog/layout.h"

namespace tovask {

// The window procedure's handling of the messages that drive the dialog;
// false for a message it leaves to the rest of the procedure.
bool HandleEventMessage(DialogWindow& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

struct DialogRun {
  DialogOutcome Outcome = DialogOutcome::Cancelled;
  bool TimerStarted = false;
};

// Runs after the window is shown, topmost and focused.
DialogRun RunDialog(DialogWindow& window, int64_t timeoutMs, const DialogGeometry& geometry);

// Stops the time-out timer if it was started.
void StopTimeout(const DialogWindow& window, const DialogRun& run);

}  // namespace tovask
