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

// The dialog's loop has begun once its first re-layout has moved the OK
// button away from the left edge, where it was created. Input that arrives
// before is taken by the drain of the set-up's events and lost.
bool LoopStarted(HWND dialog) {
  HWND ok = GetDlgItem(dialog, OkButtonId);
  if (ok == nullptr) return true;
  RECT bounds{};
  GetWindowRect(ok, &bounds);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds.left != 0;
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
        return field != nullptr && FocusOf(dialog) == field && LoopStarted(dialog);
      },
      milliseconds);
  return ready ? dialog : nullptr;
}
