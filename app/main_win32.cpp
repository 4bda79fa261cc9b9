// The process entry: the whole flow from start to ExitProcess.
#include <windows.h>

#include "app/flow.h"
#include "app/usage.h"
#include "console/ansi.h"
#include "console/console.h"
#include "text/wide_win32.h"

using namespace tovask;

int wmain() {
  StartConsole();
  HWND consoleWindow = FindConsoleWindow();
  (void)consoleWindow;

  CommandLine line{AsText(GetCommandLineW())};
  FlowDecision decision = DecideRoad(line);
  int exitCode = MessageExitCode;
  if (decision.Taken == Road::Dialog) exitCode = 0;

  Text usage = decision.Taken == Road::Usage ? WidenAnsi(UsageText) : Text();
  Text message = PendingMessage(decision, usage);
  if (!message.empty()) PrintLine(message);
  ExitProcess(static_cast<UINT>(exitCode));
}
