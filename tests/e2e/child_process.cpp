#include "child_process.h"

namespace {

struct PipeReader {
  HANDLE Pipe;
  std::string* Into;
};

DWORD WINAPI ReadAll(void* parameter) {
  PipeReader* reader = static_cast<PipeReader*>(parameter);
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(reader->Pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) reader->Into->append(buffer, got);
  CloseHandle(reader->Pipe);
  delete reader;
  return 0;
}

HANDLE StartReader(HANDLE pipe, std::string& into) {
  return CreateThread(nullptr, 0, ReadAll, new PipeReader{pipe, &into}, 0, nullptr);
}

// A reader ends when every writer of its pipe is gone. A process that
// inherited the pipe and outlives the child (or that Wine fails to end)
// would keep it waiting, so the wait is bounded: its read is then cancelled,
// and as a last resort the thread is ended.
void FinishReader(HANDLE& reader) {
  if (reader == nullptr) return;
  if (WaitForSingleObject(reader, 5000) == WAIT_TIMEOUT) {
    CancelSynchronousIo(reader);
    if (WaitForSingleObject(reader, 2000) == WAIT_TIMEOUT) TerminateThread(reader, 1);
  }
  CloseHandle(reader);
  reader = nullptr;
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
  // Suspended until it is in the job, so that nothing it starts escapes it.
  if (options.Job != nullptr) flags |= CREATE_SUSPENDED;
  if (CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr,
                     directory, &startup, &info)) {
    if (options.Job != nullptr) {
      AssignProcessToJobObject(options.Job, info.hProcess);
      ResumeThread(info.hThread);
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
  }
  CloseHandle(outputWrite);
  CloseHandle(errorWrite);
  outputReader_ = StartReader(outputRead, output_);
  errorReader_ = StartReader(errorRead, error_);
}

ChildProcess::~ChildProcess() {
  if (process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 99);
  }
  FinishReader(outputReader_);
  FinishReader(errorReader_);
  if (process_ != nullptr) CloseHandle(process_);
}

bool ChildProcess::Wait(DWORD milliseconds) {
  bool ended = process_ != nullptr && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
  if (!ended && process_ != nullptr) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  FinishReader(outputReader_);
  FinishReader(errorReader_);
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
