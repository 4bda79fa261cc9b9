#include "dialog/events.h"

#include <vector>

#include "dialog/dialog_layout.h"
#include "dialog/focus_order.h"

namespace tovask {

namespace {

void ShowKeyboardCues(HWND window) {
  LRESULT state = SendMessageW(window, WM_QUERYUISTATE, 0, 0);
  if (state & (UISF_HIDEFOCUS | UISF_HIDEACCEL)) {
    SendMessageW(window, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
  }
}

void HideKeyboardCues(HWND window) {
  LRESULT state = SendMessageW(window, WM_QUERYUISTATE, 0, 0);
  if ((state & (UISF_HIDEFOCUS | UISF_HIDEACCEL)) != (UISF_HIDEFOCUS | UISF_HIDEACCEL)) {
    SendMessageW(window, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
  }
}

BOOL CALLBACK CollectTabStop(HWND child, LPARAM candidates) {
  if (IsWindowEnabled(child) && IsWindowVisible(child) && (GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP)) {
    reinterpret_cast<std::vector<HWND>*>(candidates)->push_back(child);
  }
  return TRUE;
}

void MoveFocus(FocusDirection direction) {
  HWND root = GetActiveWindow();
  HWND focus = GetFocus();
  std::vector<HWND> candidates;
  EnumChildWindows(root, CollectTabStop, reinterpret_cast<LPARAM>(&candidates));
  int64_t current = NoCurrentFocus;
  if (focus != nullptr && IsChild(root, focus)) {
    current = FocusNotACandidate;
    for (size_t i = 0; i < candidates.size(); ++i) {
      if (candidates[i] == focus) current = static_cast<int64_t>(i);
    }
  }
  int64_t target = FocusTarget(static_cast<int64_t>(candidates.size()), current, direction);
  if (target >= 0) SetFocus(candidates[static_cast<size_t>(target)]);
}

void HandleMessage(const DialogWindow& window, MSG& message) {
  HWND active = GetActiveWindow();
  if (active != nullptr &&
      (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0)) {
    ShowKeyboardCues(active);
  }
  // Shortcuts come before the focused control sees the key, so Enter accepts
  // even when the Cancel button has the focus.
  if (active != nullptr && active == window.Handle &&
      TranslateAcceleratorW(active, window.ShortcutTable, &message)) {
    ShowKeyboardCues(active);
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// Gives the oldest event, or handles one message (waiting for it) and gives none.
bool WaitForEvent(DialogWindow& window, DialogEvent& event) {
  if (PopEvent(window.Events, event)) return true;
  MSG message;
  GetMessageW(&message, nullptr, 0, 0);
  HandleMessage(window, message);
  return false;
}

// As WaitForEvent without waiting; false when nothing at all is pending.
bool PollEvent(DialogWindow& window) {
  DialogEvent event;
  if (PopEvent(window.Events, event)) return true;
  MSG message;
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) return false;
  HandleMessage(window, message);
  return true;
}

void Push(DialogWindow& window, EventKind kind, int64_t id, int64_t detail = 0) {
  PushEvent(window.Events, {kind, id, detail, 0});
}

}  // namespace

bool HandleEventMessage(DialogWindow& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND: {
      HWND control = reinterpret_cast<HWND>(lParam);
      int64_t id = control != nullptr ? GetWindowLongPtrW(control, GWLP_ID) : 0;
      CommandMeaning meaning = ClassifyCommand(wParam, control != nullptr, id);
      if (meaning.Action == CommandAction::FocusForward) {
        MoveFocus(FocusDirection::Forward);
      } else if (meaning.Action == CommandAction::FocusBackward) {
        MoveFocus(FocusDirection::Backward);
      } else {
        PushEvent(window.Events, meaning.Event);
      }
      return true;
    }
    case WM_CLOSE:
      // Closing only cancels; the program destroys the window itself later.
      Push(window, EventKind::CloseEvent, 0);
      return true;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) Push(window, EventKind::SizeEvent, 0);
      return true;
    case WM_TIMER:
      Push(window, EventKind::TimerEvent, static_cast<int64_t>(wParam));
      return true;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        window.RememberedFocus = GetFocus();
        HideKeyboardCues(window.Handle);
      } else if (window.RememberedFocus != nullptr) {
        SetFocus(window.RememberedFocus);
      }
      result = 1;
      return true;
    case WM_MOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return true;
  }
  return false;
}

DialogRun RunDialog(DialogWindow& window, int64_t timeoutMs, const DialogGeometry& geometry) {
  // The events of the set-up, the layout's size changes among them, never
  // reach the loop.
  while (PollEvent(window)) {
  }
  DialogRun run;
  if (timeoutMs != 0) {
    UINT interval = static_cast<UINT>(static_cast<uint64_t>(timeoutMs) & 0xFFFFFFFF);
    run.TimerStarted = SetTimer(window.Handle, static_cast<UINT_PTR>(TimeoutTimer), interval, nullptr) != 0;
  }
  RelayoutDialog(window.Handle, geometry);

  LoopState state;
  Reaction reaction;
  do {
    DialogEvent event;
    bool taken = WaitForEvent(window, event);
    reaction = ReactToEvent(taken ? &event : nullptr, state);
    if (reaction.Relayout) RelayoutDialog(window.Handle, geometry);
  } while (!EndsDialog(reaction));
  run.Outcome = OutcomeOf(reaction);
  return run;
}

void StopTimeout(const DialogWindow& window, const DialogRun& run) {
  if (run.TimerStarted) KillTimer(window.Handle, static_cast<UINT_PTR>(TimeoutTimer));
}

}  // namespace tovask
