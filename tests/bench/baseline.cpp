// The floor of what an input dialog costs: one window with an edit field and
// two buttons, ended by Enter, and nothing else. It is built with the same
// compiler, flags and manifest as Tovask.exe so that the benchmark compares
// the program with the least that any such dialog has to do under the same
// system. Its window class and control identifiers are Tovask's, so that the
// benchmark finds both dialogs the same way.
#include <windows.h>

namespace {

constexpr int EditId = 1;
constexpr int OkId = 2;
constexpr int CancelId = 3;

LRESULT CALLBACK BaselineProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(1);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND Child(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id, int x, int y,
           int width, int height) {
  return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, width, height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                         nullptr);
}

}  // namespace

int wmain() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = BaselineProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"WindowClass_0";
  RegisterClassW(&windowClass);

  RECT frame{0, 0, 305, 124};
  AdjustWindowRectEx(&frame, WS_CAPTION | WS_SYSMENU, FALSE, 0);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Baseline", WS_CAPTION | WS_SYSMENU, 100, 100,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  if (window == nullptr) return 2;
  HWND edit = Child(window, L"Edit", L"", ES_AUTOHSCROLL, EditId, 10, 47, 285, 22);
  Child(window, L"Button", L"OK", BS_PUSHBUTTON, OkId, 60, 84, 90, 25);
  Child(window, L"Button", L"Cancel", BS_PUSHBUTTON, CancelId, 155, 84, 90, 25);
  ShowWindow(window, SW_SHOWNORMAL);
  SetFocus(edit);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
      DestroyWindow(window);
      return 0;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
