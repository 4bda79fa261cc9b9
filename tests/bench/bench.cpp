// bench.exe [runs]
// Measures Tovask.exe against baseline.exe (both beside it), alternating the
// two, and prints the medians side by side with their ratios:
//   visible  from CreateProcessW until the dialog is visible with the focus in
//            its input field (polled every millisecond);
//   exit     from posting WM_KEYDOWN VK_RETURN to the focused field until the
//            process has ended;
//   memory   the peak working set while the dialog is open;
//   idle CPU the user and kernel time the process uses while its dialog waits
//            two seconds untouched.
// Exits 1 when a run fails (no dialog, no exit, wrong exit code).
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "dialog_finder.h"

namespace {

constexpr DWORD IdleMs = 2000;
constexpr DWORD DeadlineMs = 15000;

struct Sample {
  double VisibleMs = 0;
  double ExitMs = 0;
  double PeakWorkingSetKiB = 0;
  double IdleCpuMs = 0;
};

struct Program {
  const wchar_t* Name;
  std::wstring Path;
  std::wstring CommandLine;
  std::vector<Sample> Samples;
};

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::wstring BesideMe(const wchar_t* file) {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring own(path, length);
  return own.substr(0, own.find_last_of(L"\\/") + 1) + file;
}

double CpuMs(HANDLE process) {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
  auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

// The dialog once it is visible with the focus in its input field, or NULL
// after the deadline.
HWND WaitUntilReady(DWORD processId) {
  ULONGLONG deadline = GetTickCount64() + DeadlineMs;
  while (GetTickCount64() < deadline) {
    HWND dialog = FindDialog(processId);
    if (dialog != nullptr && IsWindowVisible(dialog) && FocusOf(dialog) == GetDlgItem(dialog, InputFieldId)) {
      return dialog;
    }
    Sleep(1);
  }
  return nullptr;
}

bool Measure(Program& program) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                           nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = nul;
  startup.hStdError = nul;
  std::wstring commandLine = program.CommandLine;
  PROCESS_INFORMATION info{};

  Sample sample;
  double start = Now();
  BOOL created = CreateProcessW(program.Path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &info);
  CloseHandle(nul);
  if (!created) {
    std::fwprintf(stderr, L"%ls: cannot start (error %lu)\n", program.Name, GetLastError());
    return false;
  }
  CloseHandle(info.hThread);
  HWND dialog = WaitUntilReady(info.dwProcessId);
  sample.VisibleMs = Now() - start;

  bool ok = dialog != nullptr;
  if (!ok) std::fwprintf(stderr, L"%ls: no dialog ready in time\n", program.Name);
  HANDLE query = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, info.dwProcessId);
  if (ok) {
    double before = CpuMs(query);
    Sleep(IdleMs);
    sample.IdleCpuMs = CpuMs(query) - before;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(query, &memory, sizeof memory)) {
      sample.PeakWorkingSetKiB = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;
    }

    HWND field = GetDlgItem(dialog, InputFieldId);
    double enter = Now();
    PostMessageW(field, WM_KEYDOWN, VK_RETURN, 1 | (MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC) << 16));
    ok = WaitForSingleObject(info.hProcess, DeadlineMs) == WAIT_OBJECT_0;
    sample.ExitMs = Now() - enter;
    if (!ok) std::fwprintf(stderr, L"%ls: did not end after Enter\n", program.Name);
  }
  DWORD code = 0;
  if (ok && (!GetExitCodeProcess(info.hProcess, &code) || code != 0)) {
    std::fwprintf(stderr, L"%ls: exit code %lu after Enter\n", program.Name, code);
    ok = false;
  }
  if (!ok) TerminateProcess(info.hProcess, 99);
  WaitForSingleObject(info.hProcess, INFINITE);
  if (query != nullptr) CloseHandle(query);
  CloseHandle(info.hProcess);
  if (ok) program.Samples.push_back(sample);
  return ok;
}

using Statistic = double (*)(const std::vector<Sample>&, double Sample::*);

double Median(const std::vector<Sample>& samples, double Sample::*field) {
  std::vector<double> values;
  for (const Sample& s : samples) values.push_back(s.*field);
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Process times come in the clock ticks of the host (10 ms under Wine): the
// mean over many runs resolves what a single run or the median cannot.
double Mean(const std::vector<Sample>& samples, double Sample::*field) {
  double sum = 0;
  for (const Sample& s : samples) sum += s.*field;
  return sum / static_cast<double>(samples.size());
}

void PrintRow(const wchar_t* label, double Sample::*field, Statistic statistic, const Program& base,
              const Program& tovask, const wchar_t* target) {
  double a = statistic(base.Samples, field), b = statistic(tovask.Samples, field);
  wchar_t ratio[32] = L"-";
  if (a > 0) std::swprintf(ratio, 32, L"%.2f", b / a);
  std::wprintf(L"%-26ls %12.1f %12.1f %8ls   %ls\n", label, a, b, ratio, target);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int runs = argc > 1 ? _wtoi(argv[1]) : 21;
  if (runs < 1) runs = 1;
  Program base{L"baseline", BesideMe(L"baseline.exe"), L"baseline", {}};
  Program tovask{L"Tovask", BesideMe(L"Tovask.exe"), L"Tovask \"echo $input\" \"Name:\"", {}};

  // One unmeasured run of each loads the files into the caches.
  if (!Measure(base) || !Measure(tovask)) return 1;
  base.Samples.clear();
  tovask.Samples.clear();
  for (int i = 0; i < runs; ++i) {
    // Alternating, and swapping which goes first, spreads any drift of the
    // machine evenly over both.
    Program& first = i % 2 == 0 ? base : tovask;
    Program& second = i % 2 == 0 ? tovask : base;
    if (!Measure(first) || !Measure(second)) return 1;
  }

  std::wprintf(L"Medians of %d runs each, alternating (Enter: WM_KEYDOWN VK_RETURN posted to the field)\n", runs);
  std::wprintf(L"%-26ls %12ls %12ls %8ls   %ls\n", L"", L"baseline", L"Tovask", L"ratio", L"target");
  PrintRow(L"start to visible (ms)", &Sample::VisibleMs, Median, base, tovask, L"<= 1.10 x baseline");
  PrintRow(L"Enter to exit (ms)", &Sample::ExitMs, Median, base, tovask, L"");
  PrintRow(L"peak working set (KiB)", &Sample::PeakWorkingSetKiB, Median, base, tovask,
           L"<= baseline + 1024 KiB");
  PrintRow(L"idle CPU over 2 s (ms)", &Sample::IdleCpuMs, Median, base, tovask, L"<= 5 ms");
  PrintRow(L"  the same, mean", &Sample::IdleCpuMs, Mean, base, tovask, L"(10 ms clock ticks)");
  return 0;
}
