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
        return field != nullptr && FocusOf(dialog) == field;
      },
      milliseconds);
  return ready ? dialog : nullptr;
}
