// Starting Tovask.exe as a child process with an exact command line, its
// standard output and error on pipes, and collecting what it wrote.
#pragma once

#include <windows.h>

#include <string>

struct ChildOptions {
  std::wstring Application;     // Tovask.exe when empty
  std::wstring CommandLine;     // passed to CreateProcessW unchanged
  std::wstring Directory;       // the driver's current folder when empty
  bool NewConsole = false;      // CREATE_NEW_CONSOLE with ConsoleTitle
  std::wstring ConsoleTitle;
  bool Detached = false;        // DETACHED_PROCESS: the child has no console at all
  HANDLE ErrorHandle = nullptr; // standard error instead of a pipe, when given
  HANDLE Job = nullptr;         // a job object the child (and all it starts) runs in
};

class ChildProcess {
 public:
  explicit ChildProcess(const ChildOptions& options);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }
  HANDLE Process() const { return process_; }

  // Waits for the exit and for both pipes to close; false on a time-out, after
  // which the child is terminated.
  bool Wait(DWORD milliseconds);
  DWORD ExitCode() const;
  const std::string& Output() const { return output_; }
  const std::string& Error() const { return error_; }

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  HANDLE outputReader_ = nullptr;  // threads reading the pipes
  HANDLE errorReader_ = nullptr;
  std::string output_;
  std::string error_;
};

// Full path of Tovask.exe, which lies beside the test driver.
std::wstring TovaskPath();

struct ChildRun {
  bool Finished = false;
  DWORD ExitCode = 0;
  std::string Output;
  std::string Error;
};

// Runs Tovask with the command line and waits for it to end on its own.
ChildRun RunTovask(const std::wstring& commandLine, DWORD milliseconds = 15000);

// The bytes of a UTF-16LE text, as the program writes messages to a pipe.
std::string Utf16Bytes(const std::wstring& text);
