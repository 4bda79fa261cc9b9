// Waiting for a condition in another process with a deadline: the condition
// is tested again every few milliseconds until it holds or the time is up.
#pragma once

#include <windows.h>

#include <functional>

// True as soon as condition() is true; false when it is still false after
// the given milliseconds.
inline bool PollUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  ULONGLONG deadline = GetTickCount64() + milliseconds;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(15);
  }
}
