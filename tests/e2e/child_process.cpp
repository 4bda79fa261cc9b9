#include "child_process.h"

namespace {

void ReadAll(HANDLE pipe, std::string& into) {
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) into.append(buffer, got);
  CloseHandle(pipe);
}

// A pipe whose read end stays with the driver and whose write end the child
// inherits.
bool MakePipe(HANDLE& readEnd, HANDLE& writeEnd) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return false;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  return true;
}

}  // namespace

std::wstring TovaskPath() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring own(path, length);
  return own.substr(0, own.find_last_of(L"\\/") + 1) + L"Tovask.exe";
}

ChildProcess::ChildProcess(const ChildOptions& options) {
  HANDLE outputRead, outputWrite, errorRead, errorWrite;
  if (!MakePipe(outputRead, outputWrite)) return;
  if (!MakePipe(errorRead, errorWrite)) return;

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outputWrite;
  startup.hStdError = options.ErrorHandle != nullptr ? options.ErrorHandle : errorWrite;
  std::wstring title = options.ConsoleTitle;
  if (options.NewConsole && !title.empty()) startup.lpTitle = title.data();

  std::wstring application = options.Application.empty() ? TovaskPath() : options.Application;
  const wchar_t* directory = options.Directory.empty() ? nullptr : options.Directory.c_str();
  std::wstring commandLine = options.CommandLine;
  PROCESS_INFORMATION info{};
  DWORD flags = options.NewConsole ? CREATE_NEW_CONSOLE : options.Detached ? DETACHED_PROCESS : 0;
  if (CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr,
                     directory, &startup, &info)) {
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
  }
  CloseHandle(outputWrite);
  CloseHandle(errorWrite);
  outputReader_ = std::thread(ReadAll, outputRead, std::ref(output_));
  errorReader_ = std::thread(ReadAll, errorRead, std::ref(error_));
}

ChildProcess::~ChildProcess() {
  if (process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 99);
  }
  if (outputReader_.joinable()) outputReader_.join();
  if (errorReader_.joinable()) errorReader_.join();
  if (process_ != nullptr) CloseHandle(process_);
}

bool ChildProcess::Wait(DWORD milliseconds) {
  bool ended = process_ != nullptr && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
  if (!ended && process_ != nullptr) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, INFINITE);
  }
  if (outputReader_.joinable()) outputReader_.join();
  if (errorReader_.joinable()) errorReader_.join();
  return ended;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

ChildRun RunTovask(const std::wstring& commandLine, DWORD milliseconds) {
  ChildOptions options;
  options.CommandLine = commandLine;
  ChildProcess child(options);
  ChildRun run;
  if (!child.Started()) return run;
  run.Finished = child.Wait(milliseconds);
  run.ExitCode = child.ExitCode();
  run.Output = child.Output();
  run.Error = child.Error();
  return run;
}

std::string Utf16Bytes(const std::wstring& text) {
  std::string bytes;
  for (wchar_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
  }
  return bytes;
}
