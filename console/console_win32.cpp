#include "console/console.h"

#include "text/wide_win32.h"

namespace tovask {

namespace {

HANDLE standardOutput = nullptr;
HANDLE standardError = nullptr;

// Returning FALSE hands every event to the system's default handling, which
// ends the process: Ctrl+C, Ctrl+Break and closing the console all stop the
// program wherever it is. On a close event nothing is released here: the main
// thread may still be using the dialog, and the system ends the process as
// soon as the handler returns.
BOOL WINAPI ConsoleControlHandler(DWORD) { return FALSE; }

}  // namespace

void StartConsole() {
  standardOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  standardError = GetStdHandle(STD_ERROR_HANDLE);
  SetConsoleCtrlHandler(ConsoleControlHandler, TRUE);
}

HANDLE StandardOutput() { return standardOutput; }

// The console window is the top-level window titled like the console.
HWND FindConsoleWindow() {
  constexpr DWORD TitleSize = 300;
  Text title = SpaceText(TitleSize + 1);
  if (GetConsoleTitleW(Wide(title), TitleSize) == 0) return nullptr;
  return FindWindowW(nullptr, Wide(title));
}

// On a console the text goes through the console functions; anywhere else
// (a file, a pipe) as raw UTF-16LE with a UTF-16LE line feed.
void PrintLine(TextView text) {
  DWORD written = 0;
  DWORD length = static_cast<DWORD>(text.size());
  if (WriteConsoleW(standardError, Wide(text), length, &written, nullptr)) {
    WriteConsoleW(standardError, L"\n", 1, &written, nullptr);
  } else {
    WriteFile(standardError, text.data(), length * 2, &written, nullptr);
    WriteFile(standardError, "\n\0", 2, &written, nullptr);
  }
}

}  // namespace tovask
