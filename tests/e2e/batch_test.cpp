// A batch script captures the answer the way scripts use the program: the
// result redirected into a file of commands that the script then calls, and
// %errorlevel% telling OK from Cancel.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "child_process.h"
#include "dialog_finder.h"
#include "user_input.h"

namespace {

std::wstring CmdPath() {
  wchar_t system[MAX_PATH];
  UINT length = GetSystemDirectoryW(system, MAX_PATH);
  return std::wstring(system, length) + L"\\cmd.exe";
}

// A folder of its own for the script and the file it writes.
std::wstring ScratchFolder() {
  wchar_t temp[MAX_PATH];
  DWORD length = GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp, length) + L"tovask-batch-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

bool WriteAscii(const std::wstring& path, const std::wstring& text) {
  std::string bytes(text.begin(), text.end());
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return written == bytes.size();
}

TEST(Batch, ScriptCapturesTheAnswerAndTellsOkFromCancel) {
  struct Case { const char* label; std::function<bool(HWND)> answer; std::string output; };
  const Case cases[] = {
      {"time-out accepts", nullptr, "exit=0\r\nanswer=[Anna Smith]\r\n"},
      {"Escape cancels", [](HWND dialog) { return PressKey(dialog, VK_ESCAPE); }, "exit=1\r\n"},
  };
  std::wstring folder = ScratchFolder();
  std::wstring script = folder + L"\\ask.cmd";
  ASSERT_TRUE(WriteAscii(script,
                         L"@echo off\r\n"
                         L"\"" + TovaskPath() + L"\" \"Batch\" \"set answer=$input^\" \"Name:\" \"Anna Smith\""
                         L" /english /timeout=1 > answer.cmd\r\n"
                         L"echo exit=%errorlevel%\r\n"
                         L"if errorlevel 1 goto :eof\r\n"
                         L"call answer.cmd\r\n"
                         L"echo answer=[%answer%]\r\n"));
  for (const Case& c : cases) {
    ChildOptions options;
    options.Application = CmdPath();
    options.CommandLine = L"cmd /c ask.cmd";
    options.Directory = folder;
    ChildProcess cmd(options);
    ASSERT_TRUE(cmd.Started()) << c.label;
    // The dialog belongs to the Tovask that cmd.exe started. Without an
    // answer the time-out ends it, perhaps before it could be seen here.
    if (c.answer) {
      HWND dialog = WaitForDialog(0);
      EXPECT_NE(dialog, nullptr) << c.label << ": no dialog appeared";
      if (dialog != nullptr) {
        EXPECT_TRUE(c.answer(dialog)) << c.label;
      }
    }
    bool ended = cmd.Wait(15000);
    if (HWND left = FindDialog(0)) PostMessageW(left, WM_CLOSE, 0, 0);
    ASSERT_TRUE(ended) << c.label << ": the script did not end";
    EXPECT_EQ(cmd.Output(), c.output) << c.label;
  }
  DeleteFileW((folder + L"\\answer.cmd").c_str());
  DeleteFileW(script.c_str());
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
