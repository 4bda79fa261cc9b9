// Hostile input from outside: huge command lines, prompts and initial texts,
// absurd option values, unpaired surrogates, closed or full standard handles
// and console control events. Every run must end the way the program's rules
// say, without a crash or a hang and with nothing wrong on standard output.
//
// Keys reach the dialog as posted messages (posted_input.h).
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <thread>

#include "ansi_bytes.h"
#include "child_process.h"
#include "dialog_finder.h"
#include "posted_input.h"

namespace {

constexpr DWORD EndMs = 15000;

// Letters, digits and a few non-ASCII characters, free of quotes, "^" and
// "$input", so that the text passes the command line and the result as it is.
std::wstring Filler(size_t length) {
  const std::wstring pattern = L"abcdefghij0123456789-\u00E9\u00FC\u4E2D";
  std::wstring text;
  while (text.size() < length) text += pattern;
  text.resize(length);
  return text;
}

struct Outcome {
  bool DialogShown = false;
  bool Ended = false;
  DWORD ExitCode = 0;
  std::string Output;
  std::string Error;
};

// Runs Tovask, waits for its dialog, hands it to `act` and waits for the end.
template <typename Act>
Outcome RunDialog(const std::wstring& commandLine, Act act) {
  ChildOptions options;
  options.CommandLine = commandLine;
  ChildProcess child(options);
  Outcome outcome;
  HWND dialog = child.Started() ? WaitForDialog(child.Id()) : nullptr;
  outcome.DialogShown = dialog != nullptr;
  if (dialog != nullptr) act(dialog, child);
  outcome.Ended = child.Wait(EndMs);
  outcome.ExitCode = child.ExitCode();
  outcome.Output = child.Output();
  outcome.Error = child.Error();
  return outcome;
}

Outcome AcceptDialog(const std::wstring& commandLine) {
  return RunDialog(commandLine, [](HWND dialog, ChildProcess&) { PostKey(dialog, VK_RETURN); });
}

void ExpectAccepted(const Outcome& outcome, const std::string& output, const std::string& label) {
  EXPECT_TRUE(outcome.DialogShown) << label;
  EXPECT_TRUE(outcome.Ended) << label;
  EXPECT_EQ(outcome.ExitCode, 0u) << label;
  EXPECT_EQ(outcome.Output, output) << label;
  EXPECT_EQ(outcome.Error, "") << label;
}

TEST(Hostile, CommandLineOf32000CharactersOnTheMessageRoad) {
  const std::wstring prefix = L"Tovask $input p a ";
  const std::wstring parameter = Filler(32000 - prefix.size());
  ChildRun run = RunTovask(prefix + parameter);
  ASSERT_TRUE(run.Finished);
  EXPECT_EQ(run.ExitCode, 255u);
  EXPECT_EQ(run.Error, Utf16Bytes(L"Invalid Option: " + parameter + L"\n"));
  EXPECT_EQ(run.Output, "");
}

TEST(Hostile, CommandLineOf32000CharactersOnTheDialogRoad) {
  const std::wstring head = L"Tovask \"$input", tail = L"\" p";
  const std::wstring rest = Filler(32000 - head.size() - tail.size());
  const std::wstring commandLine = head + rest + tail;
  ASSERT_EQ(commandLine.size(), 32000u);
  ExpectAccepted(AcceptDialog(commandLine), AnsiBytes(rest), "32000 characters");
}

TEST(Hostile, PromptOf5000Lines) {
  std::wstring prompt = L"line";
  for (int i = 1; i < 5000; ++i) prompt += L"^line";
  ExpectAccepted(AcceptDialog(L"Tovask $input \"" + prompt + L"\" ok"), "ok", "5000 lines");
}

TEST(Hostile, InitialTextOf30000CharactersComesBackWhole) {
  const std::wstring initial = Filler(30000);
  ExpectAccepted(AcceptDialog(L"Tovask $input p \"" + initial + L"\""), AnsiBytes(initial), "30000 characters");
}

TEST(Hostile, AbsurdFontSizes) {
  for (const wchar_t* option : {L"/fs=0", L"/fs=-5", L"/fs=100000"}) {
    std::string label(option, option + wcslen(option));
    ExpectAccepted(AcceptDialog(std::wstring(L"Tovask $input p ok ") + option), "ok", label);
  }
}

TEST(Hostile, HugeLengthLimitStillTakesTyping) {
  Outcome outcome = RunDialog(L"Tovask [$input] p /length=99999999999", [](HWND dialog, ChildProcess&) {
    PostText(dialog, L"abc");
    PostKey(dialog, VK_RETURN);
  });
  ExpectAccepted(outcome, "[abc]", "/length=99999999999");
}

TEST(Hostile, NegativeTimeoutDoesNotEndTheDialog) {
  Outcome outcome = RunDialog(L"Tovask $input p x /timeout=-1", [](HWND dialog, ChildProcess& child) {
    // Well past the shortest timer interval the dialog is still open.
    EXPECT_EQ(WaitForSingleObject(child.Process(), 3000), static_cast<DWORD>(WAIT_TIMEOUT));
    PostKey(dialog, VK_ESCAPE);
  });
  EXPECT_TRUE(outcome.DialogShown);
  EXPECT_TRUE(outcome.Ended);
  EXPECT_EQ(outcome.ExitCode, 1u);
  EXPECT_EQ(outcome.Output, "");
}

TEST(Hostile, LargestOffsetStopsOnePixelShortOfTheRightEdge) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  RECT frame{};
  Outcome outcome = RunDialog(L"Tovask $input p ok /dx=9223372036854775807", [&](HWND dialog, ChildProcess&) {
    GetWindowRect(dialog, &frame);
    PostKey(dialog, VK_RETURN);
  });
  ExpectAccepted(outcome, "ok", "/dx=9223372036854775807");
  EXPECT_EQ(frame.right, area.right - 1);
  EXPECT_GE(frame.left, area.left);
}

TEST(Hostile, UnpairedSurrogatesInPromptAndInitialText) {
  const std::wstring prompt = L"p\xD800q\xDFFF", initial = L"a\xDC00" L"b\xD83D";
  std::wstring shown;
  Outcome outcome = RunDialog(L"Tovask $input \"" + prompt + L"\" \"" + initial + L"\"",
                              [&](HWND dialog, ChildProcess&) {
                                wchar_t text[16] = {};
                                GetWindowTextW(GetDlgItem(dialog, PromptTextId), text, 16);
                                shown = text;
                                PostKey(dialog, VK_RETURN);
                              });
  ExpectAccepted(outcome, AnsiBytes(initial), "initial text");
  EXPECT_EQ(shown, prompt);
}

TEST(Hostile, UnpairedSurrogatesTyped) {
  const std::wstring typed = L"x\xDBFFy\xDC00";
  Outcome outcome = RunDialog(L"Tovask [$input] p old", [&](HWND dialog, ChildProcess&) {
    PostText(dialog, typed);
    PostKey(dialog, VK_RETURN);
  });
  ExpectAccepted(outcome, AnsiBytes(L"[" + typed + L"]"), "typed text");
}

// Starts Tovask with the given standard output and error, which it inherits.
PROCESS_INFORMATION StartWithHandles(const std::wstring& commandLine, HANDLE output, HANDLE error) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = error;
  std::wstring line = commandLine;
  PROCESS_INFORMATION info{};
  CreateProcessW(TovaskPath().c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
  if (info.hThread != nullptr) CloseHandle(info.hThread);
  return info;
}

DWORD EndOf(HANDLE process) {
  DWORD code = 0;
  if (WaitForSingleObject(process, EndMs) != WAIT_OBJECT_0) {
    TerminateProcess(process, 99);
    WaitForSingleObject(process, INFINITE);
  }
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code;
}

TEST(Hostile, ClosedStandardHandles) {
  struct Case { const char* label; HANDLE handle; };
  const Case cases[] = {{"invalid handles", INVALID_HANDLE_VALUE}, {"null handles", nullptr}};
  for (const Case& c : cases) {
    PROCESS_INFORMATION dialogRoad = StartWithHandles(L"Tovask $input p ok", c.handle, c.handle);
    ASSERT_NE(dialogRoad.hProcess, nullptr) << c.label;
    HWND dialog = WaitForDialog(dialogRoad.dwProcessId);
    EXPECT_NE(dialog, nullptr) << c.label;
    if (dialog != nullptr) PostKey(dialog, VK_RETURN);
    EXPECT_EQ(EndOf(dialogRoad.hProcess), 0u) << c.label;

    PROCESS_INFORMATION messageRoad = StartWithHandles(L"Tovask $input p a b", c.handle, c.handle);
    ASSERT_NE(messageRoad.hProcess, nullptr) << c.label;
    EXPECT_EQ(EndOf(messageRoad.hProcess), 255u) << c.label;
  }
}

// A pipe whose write end is already full: the program's first write blocks
// until the read end is drained or closed.
struct FullPipe {
  HANDLE Read = nullptr;
  HANDLE Write = nullptr;
  std::string Filling;

  FullPipe() {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    CreatePipe(&Read, &Write, &inherit, 1);
    SetHandleInformation(Read, HANDLE_FLAG_INHERIT, 0);
    DWORD mode = PIPE_NOWAIT;
    SetNamedPipeHandleState(Write, &mode, nullptr, nullptr);
    DWORD written = 1;
    while (written == 1 && Filling.size() < 1 << 20) {
      written = 0;
      if (!WriteFile(Write, "#", 1, &written, nullptr)) break;
      Filling.append(written, '#');
    }
    mode = PIPE_WAIT;
    SetNamedPipeHandleState(Write, &mode, nullptr, nullptr);
  }
  ~FullPipe() {
    if (Read != nullptr) CloseHandle(Read);
    if (Write != nullptr) CloseHandle(Write);
  }
  void CloseWriteEnd() {
    CloseHandle(Write);
    Write = nullptr;
  }
  void CloseReadEnd() {
    CloseHandle(Read);
    Read = nullptr;
  }
  std::string Drain() {
    std::string all;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(Read, buffer, sizeof buffer, &got, nullptr) && got > 0) all.append(buffer, got);
    return all;
  }
};

// Once the child has begun its write into the full pipe, it waits for the
// reader. Draining gives the filling and then exactly the bytes written;
// closing the read end lets the child end all the same.
void ExpectWaitForTheReader(FullPipe& pipe, HANDLE process, bool drain, DWORD exitCode,
                            const std::string& written, const char* label) {
  EXPECT_EQ(WaitForSingleObject(process, 1000), static_cast<DWORD>(WAIT_TIMEOUT))
      << label << ": the write should wait for the reader";
  if (!drain) {
    pipe.CloseReadEnd();
    EXPECT_EQ(EndOf(process), exitCode) << label;
    return;
  }
  std::string all;
  std::thread reader([&] { all = pipe.Drain(); });
  EXPECT_EQ(EndOf(process), exitCode) << label;
  reader.join();
  EXPECT_EQ(all, pipe.Filling + written) << label;
}

// The result is written to a full standard output: the program waits in its
// write, then ends accepted; draining gives the exact bytes after the filling,
// closing the read end lets it end all the same.
TEST(Hostile, FullStandardOutput) {
  for (bool drain : {true, false}) {
    const char* label = drain ? "drained" : "read end closed";
    FullPipe pipe;
    ASSERT_FALSE(pipe.Filling.empty()) << label;
    HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    SetHandleInformation(nul, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    PROCESS_INFORMATION child = StartWithHandles(L"Tovask [$input] p \u00E9t\u00E9", pipe.Write, nul);
    CloseHandle(nul);
    pipe.CloseWriteEnd();
    ASSERT_NE(child.hProcess, nullptr) << label;
    HWND dialog = WaitForDialog(child.dwProcessId);
    EXPECT_NE(dialog, nullptr) << label;
    if (dialog != nullptr) PostKey(dialog, VK_RETURN);
    ExpectWaitForTheReader(pipe, child.hProcess, drain, 0, AnsiBytes(L"[\u00E9t\u00E9]"), label);
  }
}

// The same for a message on a full standard error.
TEST(Hostile, FullStandardError) {
  for (bool drain : {true, false}) {
    const char* label = drain ? "drained" : "read end closed";
    FullPipe pipe;
    ASSERT_FALSE(pipe.Filling.empty()) << label;
    PROCESS_INFORMATION child = StartWithHandles(L"Tovask $input p a b", nullptr, pipe.Write);
    pipe.CloseWriteEnd();
    ASSERT_NE(child.hProcess, nullptr) << label;
    ExpectWaitForTheReader(pipe, child.hProcess, drain, 255, Utf16Bytes(L"Invalid Option: b\n"), label);
  }
}

// The driver survives the control events it shares with the child.
BOOL WINAPI IgnoreControlEvent(DWORD) { return TRUE; }

// Gives the driver a console of its own, which the children then share; the
// driver's standard handles stay where the test runner reads them.
void ShareAConsole() {
  static bool shared = false;
  if (shared) return;
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE), output = GetStdHandle(STD_OUTPUT_HANDLE),
         error = GetStdHandle(STD_ERROR_HANDLE);
  FreeConsole();
  AllocConsole();
  SetStdHandle(STD_INPUT_HANDLE, input);
  SetStdHandle(STD_OUTPUT_HANDLE, output);
  SetStdHandle(STD_ERROR_HANDLE, error);
  SetConsoleCtrlHandler(IgnoreControlEvent, TRUE);
  shared = true;
}

// A control event ends the process through the system's default handling:
// Windows gives the exit code STATUS_CONTROL_C_EXIT, Wine's handler 0.
void ExpectEndedByControlEvent(const Outcome& outcome, const char* label) {
  EXPECT_TRUE(outcome.DialogShown) << label;
  EXPECT_TRUE(outcome.Ended) << label;
  EXPECT_TRUE(outcome.ExitCode == static_cast<DWORD>(STATUS_CONTROL_C_EXIT) || outcome.ExitCode == 0)
      << label << ": exit code " << outcome.ExitCode;
  EXPECT_EQ(outcome.Output, "") << label;
  EXPECT_EQ(outcome.Error, "") << label;
}

// Ctrl+C goes to every process of the shared console, the driver included.
TEST(Hostile, CtrlCInTheConsoleEndsTheDialog) {
  ShareAConsole();
  Outcome outcome = RunDialog(L"Tovask $input p ok", [](HWND, ChildProcess&) {
    EXPECT_TRUE(GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0));
  });
  ExpectEndedByControlEvent(outcome, "Ctrl+C");
}

// Wine's console delivers only Ctrl+C. Ctrl+Break is delivered the way the
// console itself delivers every event: a thread in the target process that
// runs the system's control routine with the event.
TEST(Hostile, CtrlBreakInTheConsoleEndsTheDialog) {
  ShareAConsole();
  auto routine = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernelbase.dll"), "CtrlRoutine")));
  ASSERT_NE(routine, nullptr);
  Outcome outcome = RunDialog(L"Tovask $input p ok", [&](HWND, ChildProcess& child) {
    HANDLE thread = CreateRemoteThread(child.Process(), nullptr, 0, routine,
                                       reinterpret_cast<void*>(static_cast<ULONG_PTR>(CTRL_BREAK_EVENT)), 0, nullptr);
    EXPECT_NE(thread, nullptr);
    if (thread != nullptr) CloseHandle(thread);
  });
  ExpectEndedByControlEvent(outcome, "Ctrl+Break");
}

}  // namespace
