// The batch-file recipes of the manual, run by Wine's cmd.exe with their
// dialog answered, so that no documented recipe can rot. cmd.exe finds
// Tovask.exe in its current folder, the driver's own.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "child_process.h"
#include "dialog_finder.h"
#include "posted_input.h"

namespace {

std::wstring DriverFolder() {
  std::wstring tovask = TovaskPath();
  return tovask.substr(0, tovask.find_last_of(L"\\/"));
}

std::wstring CmdPath() {
  wchar_t system[MAX_PATH];
  UINT length = GetSystemDirectoryW(system, MAX_PATH);
  return std::wstring(system, length) + L"\\cmd.exe";
}

struct RecipeRun {
  bool DialogShown = false;
  bool Ended = false;
  DWORD ExitCode = 0;
  std::string Output;
};

using Answer = std::function<void(HWND dialog)>;

RecipeRun RunRecipe(const std::wstring& recipe, const Answer& answer) {
  ChildOptions options;
  options.Application = CmdPath();
  options.CommandLine = L"cmd /c \"" + DriverFolder() + L"\\examples\\" + recipe + L"\"";
  options.Directory = DriverFolder();
  ChildProcess cmd(options);
  RecipeRun run;
  // The dialog belongs to a Tovask that cmd.exe started: any process's.
  HWND dialog = WaitForDialog(0, 15000);
  run.DialogShown = dialog != nullptr;
  if (dialog != nullptr) answer(dialog);
  run.Ended = cmd.Wait(15000);
  // A dialog left behind by a failed run would stand in the way of the next.
  if (HWND left = FindDialog(0)) PostKey(left, VK_ESCAPE);
  run.ExitCode = cmd.ExitCode();
  run.Output = cmd.Output();
  return run;
}

Answer Type(const std::wstring& text, WORD key = VK_RETURN) {
  return [text, key](HWND dialog) {
    PostText(dialog, text);
    PostKey(dialog, key);
  };
}

Answer Press(WORD key) { return Type(L"", key); }

TEST(Recipes, EachGivesItsAnswerToTheScript) {
  // Only recipes that end with "exit /b" promise an exit code.
  constexpr DWORD Any = 0xFFFFFFFF;
  struct Case { const char* label; std::wstring recipe; Answer answer; std::string output; DWORD exitCode; };
  const Case cases[] = {
      {"generated file", L"ask-name.cmd", Type(L"Anna Smith"), "Hello, Anna Smith!\r\n", Any},
      {"generated file, cancelled", L"ask-name.cmd", Press(VK_ESCAPE), "No name given.\r\n", Any},
      {"for /f, initial text accepted", L"for-f.cmd", Press(VK_RETURN), "Colour: blue\r\n", Any},
      {"for /f, typed", L"for-f.cmd", Type(L"dark green"), "Colour: dark green\r\n", Any},
      {"for /f, cancelled", L"for-f.cmd", Press(VK_ESCAPE), "No colour given.\r\n", Any},
      {"OK", L"ok-or-cancel.cmd", Press(VK_RETURN), "Going on.\r\n", 0},
      {"Cancel", L"ok-or-cancel.cmd", Press(VK_ESCAPE), "Stopped.\r\n", 1},
      {"password", L"password.cmd", Type(L"s3cret!"), "The password was read.\r\n", Any},
      {"password, cancelled", L"password.cmd", Press(VK_ESCAPE), "", 1},
      {"number", L"number.cmd", Type(L"41"), "Next year you will be 42.\r\n", Any},
      {"number, initial text", L"number.cmd", Press(VK_RETURN), "Next year you will be 31.\r\n", Any},
      {"quotes", L"quotes.cmd", Type(L"He said \"yes\""), "They said: He said \"yes\"\r\n", Any},
  };
  for (const Case& c : cases) {
    RecipeRun run = RunRecipe(c.recipe, c.answer);
    EXPECT_TRUE(run.DialogShown) << c.label;
    ASSERT_TRUE(run.Ended) << c.label;
    EXPECT_EQ(run.Output, c.output) << c.label;
    if (c.exitCode != Any) {
      EXPECT_EQ(run.ExitCode, c.exitCode) << c.label;
    }
  }
}

TEST(Recipes, TheNumberFieldTakesOnlyThreeDigits) {
  RecipeRun run = RunRecipe(L"number.cmd", Type(L"12345"));
  ASSERT_TRUE(run.Ended);
  EXPECT_EQ(run.Output, "Next year you will be 124.\r\n");
}

}  // namespace
