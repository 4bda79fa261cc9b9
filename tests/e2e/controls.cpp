#include "controls.h"

#include <ostream>
#include <vector>

RECT ControlRect(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT ClientRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

std::wstring WindowText(HWND window) {
  LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  LRESULT got = SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data(), static_cast<std::size_t>(got));
}

std::wstring ClassName(HWND window) {
  wchar_t name[256];
  int length = GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<std::size_t>(length));
}

DWORD Style(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

DWORD ExStyle(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)); }

HWND Owner(HWND window) { return GetWindow(window, GW_OWNER); }

// The pointer arguments of EM_GETSEL are not carried across processes, but
// the packed result is.
Selection EditSelection(HWND edit) {
  DWORD packed = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
  return {LOWORD(packed), HIWORD(packed)};
}

DWORD EditLimit(HWND edit) { return static_cast<DWORD>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0)); }

Bounds BoundsOf(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

std::ostream& operator<<(std::ostream& out, const Bounds& bounds) {
  return out << "(" << bounds.X << ", " << bounds.Y << ", " << bounds.Width << ", " << bounds.Height << ")";
}
