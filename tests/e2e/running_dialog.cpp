#include "running_dialog.h"

namespace {

ChildOptions WithCommandLine(const std::wstring& commandLine) {
  ChildOptions options;
  options.CommandLine = commandLine;
  return options;
}

}  // namespace

RunningDialog::RunningDialog(const ChildOptions& options) : child_(options) {
  if (child_.Started()) window_ = WaitForDialog(child_.Id());
}

RunningDialog::RunningDialog(const std::wstring& commandLine)
    : RunningDialog(WithCommandLine(commandLine)) {}

std::wstring TovaskCommand(std::initializer_list<std::wstring> parameters) {
  std::wstring line = L"Tovask";
  for (const std::wstring& parameter : parameters) line += L" \"" + parameter + L"\"";
  return line;
}
