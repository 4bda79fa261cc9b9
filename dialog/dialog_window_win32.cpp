#include "dialog/dialog_window.h"

#include "dialog/controls.h"
#include "dialog/events.h"
#include "dialog/shortcuts.h"
#include "text/wide_win32.h"

namespace tovask {

namespace {

constexpr wchar_t ClassName[] = L"WindowClass_0";
constexpr DWORD WindowStyle = WS_CAPTION | WS_SYSMENU;
constexpr int ProvisionalWidth = 300;
constexpr int ProvisionalHeight = 115;

HICON classIcon = nullptr;
HCURSOR classCursor = nullptr;

// The window procedure reaches the one dialog through this pointer, set
// before the window is created.
DialogWindow* dialog = nullptr;

BOOL CALLBACK PassColourChange(HWND child, LPARAM) {
  SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
  return TRUE;
}

void ReleaseWindowResources(DialogWindow& window) {
  window.RememberedFocus = nullptr;
  DestroyShortcuts(window);
  if (window.Brush != nullptr) DeleteObject(window.Brush);
  window.Brush = nullptr;
  ReleasePromptColours();
  UnregisterClassW(ClassName, GetModuleHandleW(nullptr));
}

LRESULT CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (dialog == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  if (HandleEventMessage(*dialog, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ERASEBKGND:
      if (dialog->Brush != nullptr) {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, dialog->Brush);
        return 1;
      }
      break;
    case WM_SYSCOLORCHANGE:
      EnumChildWindows(hwnd, PassColourChange, 0);
      break;
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = PromptColourBrush(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_NCDESTROY:
      ReleaseWindowResources(*dialog);
      dialog->Handle = nullptr;
      dialog = nullptr;
      return 1;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Centre(const DialogWindow& window) {
  RECT frame;
  GetWindowRect(window.Handle, &frame);
  int64_t width = int64_t{frame.right} - frame.left;
  int64_t height = int64_t{frame.bottom} - frame.top;
  Position position;
  if (window.Mode == CentringMode::ScreenCentring) {
    position = CentreOnScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), width, height);
  } else {
    RECT owner;
    GetWindowRect(window.Owner, &owner);
    position = CentreOnOwner({owner.left, owner.top, owner.right, owner.bottom}, width, height);
  }
  SetWindowPos(window.Handle, nullptr, ClampToInt32(position.X), ClampToInt32(position.Y), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void PrepareWindowClass() {
  HINSTANCE module = GetModuleHandleW(nullptr);
  // The executable carries no icon resource, so the class ends up without one.
  classIcon = LoadIconW(module, MAKEINTRESOURCEW(1));
  classCursor = LoadCursorW(nullptr, IDC_ARROW);
}

HWND OpenDialogWindow(DialogWindow& window, TextView title, HWND owner, CentringMode mode) {
  HINSTANCE module = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = DialogProcedure;
  windowClass.hInstance = module;
  windowClass.hIcon = classIcon;
  windowClass.hCursor = classCursor;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = ClassName;
  RegisterClassW(&windowClass);

  RECT outer{0, 0, ProvisionalWidth, ProvisionalHeight};
  AdjustWindowRectEx(&outer, WindowStyle, FALSE, 0);
  window.Owner = owner;
  window.Mode = mode;
  dialog = &window;
  Text titleText(title);
  window.Handle = CreateWindowExW(0, ClassName, Wide(titleText), WindowStyle, 0, 0, outer.right - outer.left,
                                  outer.bottom - outer.top, owner, nullptr, module, nullptr);
  if (window.Handle == nullptr) {
    dialog = nullptr;
    UnregisterClassW(ClassName, module);
    return nullptr;
  }
  Centre(window);
  CreateFocusShortcuts(window);
  return window.Handle;
}

void SetWindowColour(DialogWindow& window, int64_t colour) {
  if (colour == window.Colour) return;
  if (window.Brush != nullptr) DeleteObject(window.Brush);
  window.Brush = colour == -1 ? nullptr : CreateSolidBrush(static_cast<COLORREF>(colour));
  window.Colour = colour;
  RedrawWindow(window.Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE);
}

void ShowDialogWindow(const DialogWindow& window) { ShowWindow(window.Handle, SW_SHOWNORMAL); }

void MakeTopmost(const DialogWindow& window) {
  SetWindowPos(window.Handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

// The owner is activated first, so that the console gets the focus back.
void CloseDialogWindow(DialogWindow& window) {
  if (HWND owner = GetWindow(window.Handle, GW_OWNER)) SetActiveWindow(owner);
  DestroyWindow(window.Handle);
  DiscardWindowEvents(window.Events, 0);
}

}  // namespace tovask
