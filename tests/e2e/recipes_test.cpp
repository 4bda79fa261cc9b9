// The batch-file recipes of the manual, run by cmd.exe with their dialog
// answered from the keyboard (or by the time-out), so that no documented
// recipe can rot. Each recipe finds Tovask.exe the way the manual says: on
// the PATH, or beside the script.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "child_process.h"
#include "dialog_finder.h"
#include "user_input.h"

namespace {

std::wstring DriverFolder() {
  std::wstring tovask = TovaskPath();
  return tovask.substr(0, tovask.find_last_of(L"\\/"));
}

// The recipes lie in a folder of their own, without Tovask.exe.
std::wstring RecipeFolder() { return DriverFolder() + L"\\examples"; }

std::wstring CmdPath() {
  wchar_t system[MAX_PATH];
  UINT length = GetSystemDirectoryW(system, MAX_PATH);
  return std::wstring(system, length) + L"\\cmd.exe";
}

std::wstring PathVariable() {
  wchar_t value[32767];
  DWORD length = GetEnvironmentVariableW(L"PATH", value, 32767);
  return std::wstring(value, length);
}

// Puts a folder in front of the PATH that child processes inherit, for the
// life of the object.
class PathWith {
 public:
  explicit PathWith(const std::wstring& folder) : saved_(PathVariable()) {
    SetEnvironmentVariableW(L"PATH", (folder + L";" + saved_).c_str());
  }
  ~PathWith() { SetEnvironmentVariableW(L"PATH", saved_.c_str()); }
  PathWith(const PathWith&) = delete;
  PathWith& operator=(const PathWith&) = delete;

 private:
  std::wstring saved_;
};

// What the user does once the dialog is ready; false when it could not be
// done.
using Answer = std::function<bool(HWND dialog)>;

Answer Type(const std::wstring& text) {
  return [text](HWND dialog) { return TypeText(dialog, text) && PressKey(dialog, VK_RETURN); };
}

Answer Press(WORD key) {
  return [key](HWND dialog) { return PressKey(dialog, key); };
}

bool LetTheTimeOutAnswer(HWND) { return true; }

struct RecipeRun {
  bool DialogShown = false;
  bool Answered = false;
  bool Ended = false;
  DWORD ExitCode = 0;
  std::string Output;
};

// Runs the recipe with cmd /c in the recipe folder. cmd.exe and the Tovask it
// starts run in a job, which ends whatever is still running afterwards.
RecipeRun RunRecipe(const std::wstring& recipe, const Answer& answer) {
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  ChildOptions options;
  options.Application = CmdPath();
  options.CommandLine = L"cmd /d /c \"" + recipe + L"\"";
  options.Directory = RecipeFolder();
  options.Job = job;
  ChildProcess cmd(options);

  RecipeRun run;
  // The dialog belongs to the Tovask that cmd.exe started, not to cmd.exe.
  HWND dialog = cmd.Started() ? WaitForDialog(0, 15000) : nullptr;
  run.DialogShown = dialog != nullptr;
  run.Answered = dialog != nullptr && answer(dialog);
  run.Ended = cmd.Started() && WaitForSingleObject(cmd.Process(), 15000) == WAIT_OBJECT_0;
  // Tovask holds cmd's output pipe while it runs: it must end before the
  // output can be read to its end.
  TerminateJobObject(job, 99);
  cmd.Wait(5000);
  CloseHandle(job);
  run.ExitCode = cmd.ExitCode();
  run.Output = cmd.Output();
  return run;
}

TEST(Recipes, EachGivesItsAnswerToTheScript) {
  struct Case {
    const char* label;
    std::wstring recipe;
    Answer answer;
    std::string output;
    DWORD exitCode;
  };
  const Case cases[] = {
      {"generated file, typed", L"ask-name.cmd", Type(L"Anna Smith"), "Name: Anna Smith\r\n", 0},
      {"generated file, initial text", L"ask-name.cmd", Press(VK_RETURN), "Name: Anna\r\n", 0},
      {"generated file, cancelled", L"ask-name.cmd", Press(VK_ESCAPE), "No name given.\r\n", 1},
      {"for /f, initial text", L"for-f.cmd", Press(VK_RETURN), "Colour: blue\r\n", 0},
      {"for /f, typed", L"for-f.cmd", Type(L"dark green"), "Colour: dark green\r\n", 0},
      {"for /f, cancelled", L"for-f.cmd", Press(VK_ESCAPE), "No colour given.\r\n", 1},
      {"OK", L"ok-or-cancel.cmd", Press(VK_RETURN), "Result: OK\r\n", 0},
      {"Cancel", L"ok-or-cancel.cmd", Press(VK_ESCAPE), "Result: Cancel\r\n", 1},
      {"time-out", L"ok-or-cancel.cmd", LetTheTimeOutAnswer, "Result: OK\r\n", 0},
      {"password", L"password.cmd", Type(L"s3cr3t!"), "Password: s3cr3t!\r\n", 0},
      {"password, cancelled", L"password.cmd", Press(VK_ESCAPE), "No password given.\r\n", 1},
      {"number", L"number.cmd", Type(L"41"), "Next year you will be 42.\r\n", 0},
      {"number, letters and a fourth digit kept out", L"number.cmd", Type(L"4x5y67"),
       "Next year you will be 457.\r\n", 0},
      {"number, cancelled", L"number.cmd", Press(VK_ESCAPE), "No age given.\r\n", 1},
      {"quotes in the answer", L"quotes.cmd", Type(L"He said \"yes\""), "They said: He said \"yes\"\r\n", 0},
      {"quotes, cancelled", L"quotes.cmd", Press(VK_ESCAPE), "Nothing said.\r\n", 1},
  };
  PathWith tovaskOnPath(DriverFolder());
  for (const Case& c : cases) {
    RecipeRun run = RunRecipe(RecipeFolder() + L"\\" + c.recipe, c.answer);
    ASSERT_TRUE(run.DialogShown) << c.label << ": no dialog appeared";
    EXPECT_TRUE(run.Answered) << c.label << ": the keys could not be sent";
    ASSERT_TRUE(run.Ended) << c.label << ": the recipe did not end";
    EXPECT_EQ(run.Output, c.output) << c.label;
    EXPECT_EQ(run.ExitCode, c.exitCode) << c.label;
  }
}

TEST(Recipes, FindTovaskBesideTheScript) {
  // A folder of its own, off the PATH, with the recipe and Tovask.exe.
  wchar_t temp[MAX_PATH];
  DWORD length = GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp, length) + L"tovask-recipe-" + std::to_wstring(GetCurrentProcessId());
  std::wstring recipe = folder + L"\\for-f.cmd";
  std::wstring tovask = folder + L"\\Tovask.exe";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  bool copied = CopyFileW((RecipeFolder() + L"\\for-f.cmd").c_str(), recipe.c_str(), TRUE) &&
                CopyFileW(TovaskPath().c_str(), tovask.c_str(), TRUE);

  RecipeRun run = copied ? RunRecipe(recipe, Type(L"red")) : RecipeRun{};
  DeleteFileW(recipe.c_str());
  DeleteFileW(tovask.c_str());
  RemoveDirectoryW(folder.c_str());
  ASSERT_TRUE(copied);
  ASSERT_TRUE(run.DialogShown) << "no dialog appeared";
  ASSERT_TRUE(run.Ended);
  EXPECT_EQ(run.Output, "Colour: red\r\n");
  EXPECT_EQ(run.ExitCode, 0u);
}

}  // namespace
