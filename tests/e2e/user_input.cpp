#include "user_input.h"

#include "poll.h"

namespace {

INPUT Key(WORD key, bool up, bool extended) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT UnicodeUnit(wchar_t unit, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = static_cast<WORD>(unit);
  input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

INPUT Mouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

bool Send(HWND window, std::vector<INPUT> inputs) {
  if (!BringToFront(window)) return false;
  UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  return sent == inputs.size();
}

}  // namespace

bool BringToFront(HWND window) {
  if (GetForegroundWindow() == window) return true;
  SetForegroundWindow(window);
  return PollUntil([&] { return GetForegroundWindow() == window; }, 3000);
}

bool PressKey(HWND window, WORD key, const std::vector<WORD>& modifiers, bool extended) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(Key(modifier, false, false));
  inputs.push_back(Key(key, false, extended));
  inputs.push_back(Key(key, true, extended));
  for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier) {
    inputs.push_back(Key(*modifier, true, false));
  }
  return Send(window, inputs);
}

bool TypeText(HWND window, const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t unit : text) {
    inputs.push_back(UnicodeUnit(unit, false));
    inputs.push_back(UnicodeUnit(unit, true));
  }
  return Send(window, inputs);
}

bool ClickAt(HWND window, POINT screenPoint) {
  if (!BringToFront(window) || !SetCursorPos(screenPoint.x, screenPoint.y)) return false;
  return Send(window, {Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
}

bool ClickControl(HWND window, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  return ClickAt(window, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

bool CloseBoxPoint(HWND window, POINT& screenPoint) {
  RECT frame, client;
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  POINT clientTop{0, 0};
  ClientToScreen(window, &clientTop);
  // Scan the caption's middle row from the right until the hit test says
  // HTCLOSE, then take the middle of that run.
  int y = (frame.top + clientTop.y) / 2;
  int right = -1;
  for (int x = frame.right - 1; x > frame.left; --x) {
    LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    if (hit == HTCLOSE && right < 0) right = x;
    if (hit != HTCLOSE && right >= 0) {
      screenPoint = {(x + 1 + right) / 2, y};
      return true;
    }
  }
  return false;
}
