// The process entry: the whole flow from start to ExitProcess.
#include <windows.h>

#include "app/flow.h"
#include "app/usage.h"
#include "console/ansi.h"
#include "console/console.h"
#include "console/write_result.h"
#include "dialog/captions.h"
#include "dialog/controls.h"
#include "dialog/dialog_layout.h"
#include "dialog/dialog_window.h"
#include "dialog/events.h"
#include "dialog/font.h"
#include "dialog/shortcuts.h"
#include "text/wide_win32.h"

using namespace tovask;

namespace {

// Shows the dialog and gives the exit code: 0 accepted, 1 cancelled, and 0
// when the window cannot be created. `font` receives the dialog font, which
// lives until the program ends.
int RunDialogRoad(const Invocation& call, HWND consoleWindow, int dpi, HFONT& font) {
  Captions captions = ChooseCaptions(call.EnglishCaptions, SystemString);
  bool ownerMinimised = consoleWindow != nullptr && IsIconic(consoleWindow);
  CentringMode mode = ChooseCentring(consoleWindow != nullptr, ownerMinimised, call.CentreOnScreen);
  font = CreateDialogFont(call.FontSize, dpi);
  DialogGeometry geometry;
  geometry.WorkArea = ReadWorkArea();

  DialogWindow window;
  if (OpenDialogWindow(window, call.TitleString, consoleWindow, mode) == nullptr) return 0;
  SetDefaultControlFont(font);
  SetWindowColour(window, call.BackColour);
  AddShortcut(window, VK_RETURN, 0, static_cast<WORD>(OkButton));
  AddShortcut(window, VK_ESCAPE, 0, static_cast<WORD>(CancelButton));
  LayoutDialog(window.Handle, font, call, captions, geometry);
  ShowDialogWindow(window);
  MakeTopmost(window);
  FocusInputField(window.Handle);

  DialogRun run = RunDialog(window, call.TimeoutMs, geometry);
  int exitCode = 1;
  if (run.Outcome == DialogOutcome::Accepted) {
    // The text is read while the window still exists.
    WriteResult(call.OutputString, ReadInputText(window.Handle));
    exitCode = 0;
  }
  StopTimeout(window, run);
  CloseDialogWindow(window);
  return exitCode;
}

}  // namespace

int wmain() {
  int dpi = ReadDisplayDpi();
  InitControls();
  PrepareWindowClass();
  StartConsole();
  HWND consoleWindow = FindConsoleWindow();

  CommandLine line{AsText(GetCommandLineW())};
  FlowDecision decision = DecideRoad(line);
  int exitCode = MessageExitCode;
  HFONT font = nullptr;
  if (decision.Taken == Road::Dialog) exitCode = RunDialogRoad(decision.Call, consoleWindow, dpi, font);

  Text usage = decision.Taken == Road::Usage ? WidenAnsi(UsageText) : Text();
  Text message = PendingMessage(decision, usage);
  if (!message.empty()) PrintLine(message);
  if (font != nullptr) DeleteObject(font);
  ExitProcess(static_cast<UINT>(exitCode));
}
