// The console of the calling script: its standard handles, its window and
// the program's messages on standard error.
#pragma once

#include <windows.h>

#include "text/text.h"

namespace tovask {

void StartConsole();
HANDLE StandardOutput();
HWND FindConsoleWindow();
void PrintLine(TextView text);

}  // namespace tovask
