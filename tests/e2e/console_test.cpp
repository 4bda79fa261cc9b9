// Messages on a real console: written with the console functions, followed
// by a line break, so the usage text ends in an empty line.
#include <gtest/gtest.h>

#include <string>

#include "child_process.h"

namespace {

// The driver's own fresh console, whose screen it can read back.
class ConsoleScreen {
 public:
  ConsoleScreen() {
    FreeConsole();
    ready_ = AllocConsole() != FALSE;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    output_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                          OPEN_EXISTING, 0, nullptr);
  }
  ~ConsoleScreen() {
    CloseHandle(output_);
    FreeConsole();
  }
  bool Ready() const { return ready_ && output_ != INVALID_HANDLE_VALUE; }
  HANDLE Output() const { return output_; }

  // The text of the first `rows` lines, trailing blanks removed, one "\n" each.
  std::wstring Lines(SHORT rows) const {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(output_, &info);
    std::wstring text;
    for (SHORT row = 0; row < rows; ++row) {
      std::wstring line(static_cast<size_t>(info.dwSize.X), L' ');
      DWORD read = 0;
      ReadConsoleOutputCharacterW(output_, line.data(), info.dwSize.X, COORD{0, row}, &read);
      line.resize(line.find_last_not_of(L' ') + 1);
      text += line + L"\n";
    }
    return text;
  }
  SHORT CursorRow() const {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(output_, &info);
    return info.dwCursorPosition.Y;
  }

 private:
  bool ready_ = false;
  HANDLE output_ = INVALID_HANDLE_VALUE;
};

DWORD RunOnConsole(const ConsoleScreen& console, const std::wstring& commandLine, std::string& output) {
  ChildOptions options;
  options.CommandLine = commandLine;
  options.ErrorHandle = console.Output();
  ChildProcess child(options);
  EXPECT_TRUE(child.Wait(15000));
  output = child.Output();
  return child.ExitCode();
}

TEST(ConsoleMessages, UsageEndsInAnEmptyLine) {
  ConsoleScreen console;
  ASSERT_TRUE(console.Ready());
  std::string output;
  EXPECT_EQ(RunOnConsole(console, L"Tovask", output), 255u);
  EXPECT_EQ(output, "");
  EXPECT_EQ(console.Lines(7),
            L"Tovask ver. 1.42/x64 - an input box for command scripts\n"
            L"Console (CMD script) input\n"
            L"Syntax:\n"
            L"    Tovask [TitleString] OutputString PromptString [InitialString] [Options]\n"
            L"For details see Tovask.txt\n"
            L"\n"
            L"\n");
  // The cursor stands at the start of the empty line after the text.
  EXPECT_EQ(console.CursorRow(), 6);
}

TEST(ConsoleMessages, ErrorMessageAndLineBreak) {
  ConsoleScreen console;
  ASSERT_TRUE(console.Ready());
  std::string output;
  EXPECT_EQ(RunOnConsole(console, L"Tovask $input p a \u00E9\u4E2D", output), 255u);
  EXPECT_EQ(output, "");
  EXPECT_EQ(console.Lines(2), L"Invalid Option: \u00E9\u4E2D\n\n");
  EXPECT_EQ(console.CursorRow(), 1);
}

}  // namespace
