#include "dialog_finder.h"

#include "poll.h"

namespace {

struct Search {
  DWORD ProcessId;
  HWND Found;
};

BOOL CALLBACK TestWindow(HWND window, LPARAM parameter) {
  Search& search = *reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (search.ProcessId != 0 && owner != search.ProcessId) return TRUE;
  wchar_t name[64];
  if (GetClassNameW(window, name, 64) == 0 || lstrcmpW(name, DialogClass) != 0) return TRUE;
  search.Found = window;
  return FALSE;
}

// The dialog centres its buttons once it has taken the events of its set-up
// and waits for the user's: input sent before that could be taken with them.
// The OK button is created at the left edge, so having left it also tells,
// where the window system stores a negative button width as 0 and the
// centred place cannot be computed back.
bool ButtonsCentred(HWND dialog) {
  HWND ok = GetDlgItem(dialog, OkButtonId);
  RECT client, button;
  if (ok == nullptr || !GetClientRect(dialog, &client) || !GetWindowRect(ok, &button)) return false;
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
  LONG width = button.right - button.left;
  return button.left != 0 || button.left == (client.right - 2 * width - 5) / 2;
}

}  // namespace

HWND FindDialog(DWORD processId) {
  Search search{processId, nullptr};
  EnumWindows(TestWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

HWND WaitForDialog(DWORD processId, DWORD milliseconds) {
  HWND dialog = nullptr;
  bool ready = PollUntil(
      [&] {
        dialog = FindDialog(processId);
        if (dialog == nullptr || !IsWindowVisible(dialog)) return false;
        HWND field = GetDlgItem(dialog, InputFieldId);
        return field != nullptr && FocusOf(dialog) == field && ButtonsCentred(dialog);
      },
      milliseconds);
  return ready ? dialog : nullptr;
}
