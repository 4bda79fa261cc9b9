// Tovask started as a child process, and its dialog once it is ready for
// typing. The child is ended with the object if it is still running.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "child_process.h"
#include "dialog_finder.h"

class RunningDialog {
 public:
  explicit RunningDialog(const ChildOptions& options);
  explicit RunningDialog(const std::wstring& commandLine);

  HWND Window() const { return window_; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  ChildProcess& Child() { return child_; }

  // Waits for the child to end by itself; false when it is still running
  // after the milliseconds (it is then ended).
  bool Ends(DWORD milliseconds = 10000) { return child_.Wait(milliseconds); }

 private:
  ChildProcess child_;
  HWND window_ = nullptr;
};

// A Tovask command line with every parameter in double quotes, which the
// program removes, so that spaces and empty parameters pass unchanged.
std::wstring TovaskCommand(std::initializer_list<std::wstring> parameters);
