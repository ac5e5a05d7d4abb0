// Measures macbatch.exe from outside, as a user would drive it: the time to
// its window, the wall time of vendor batches against their floor of 20 ms
// pauses, and the peak memory. The processor load of a 200-entry batch is
// measured on the same window run inside this process: Wine does not keep
// another process's processor times. Run by tools/bench.sh under Wine.
//
//   window_bench PROGRAM.exe

#include <windows.h>
// After windows.h, which they need.
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "commands/command_bindings.h"
#include "win32/layout.h"
#include "win32/main_window_win32.h"
#include "win32/wide_text.h"

namespace {

using Clock = std::chrono::steady_clock;

using macbatch::Control;
using macbatch::win32::controlId;

constexpr int outputBoxId = controlId(Control::编辑框2);
constexpr int countBoxId = controlId(Control::编辑框3);
constexpr int statusLabelId = controlId(Control::透明标签3);
constexpr int vendorButtonId = controlId(Control::按钮5);
const std::wstring windowTitle = macbatch::win32::toWide(macbatch::mainWindowTitle);

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (processId != search.processId || std::wstring(title) != windowTitle || !IsWindowVisible(window))
    return TRUE;
  search.found = window;
  return FALSE;
}

// Polls every millisecond or so until `done` holds or `timeout` has passed.
template <typename Done>
bool pollUntil(Done done, std::chrono::seconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (!done()) {
    if (Clock::now() >= deadline) return false;
    Sleep(1);
  }
  return true;
}

std::wstring windowText(HWND control) {
  wchar_t text[128] = {};
  DWORD_PTR ignored;
  SendMessageTimeoutW(control, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 1000, &ignored);
  return text;
}

double processorSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  const auto ticks = [](FILETIME time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

// The click is sent, not posted: the command runs inside the click, so the
// call returns when the batch has ended, and nothing polls the program
// meanwhile. Gives the wall time, or nothing when the batch did not end well.
std::optional<double> timeBatch(HWND window, int count) {
  const std::wstring countText = std::to_wstring(count);
  SendMessageW(GetDlgItem(window, countBoxId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(countText.c_str()));
  const auto start = Clock::now();
  DWORD_PTR ignored;
  if (!SendMessageTimeoutW(GetDlgItem(window, vendorButtonId), BM_CLICK, 0, 0, SMTO_NORMAL, 120000,
                           &ignored)) {
    return std::nullopt;
  }
  const double wall = secondsSince(start);
  if (windowText(GetDlgItem(window, statusLabelId)) != L"当前生成个数：" + countText) return std::nullopt;
  return wall;
}

struct Load {
  double batch;   // processor over wall seconds of a whole batch
  double pauses;  // the same for as many bare pauses: the pause's own share
};

// Measured in a window of our own.
std::optional<Load> batchLoad(int count) {
  using namespace macbatch;
  ClickBindings bindings;
  RunState state;
  win32::Win32MainWindow window(bindings);
  bindClickCommands(bindings, window, state);
  if (!window.create(GetModuleHandleW(nullptr))) return std::nullopt;
  window.show();

  double processorBefore = processorSeconds(GetCurrentProcess());
  const std::optional<double> wall = timeBatch(window.handle(), count);
  const double batchProcessor = processorSeconds(GetCurrentProcess()) - processorBefore;
  if (!wall) return std::nullopt;

  processorBefore = processorSeconds(GetCurrentProcess());
  const auto start = Clock::now();
  for (int pause = 0; pause < count; ++pause) static_cast<void>(window.pauseWithEvents(20));
  const double pausesProcessor = processorSeconds(GetCurrentProcess()) - processorBefore;
  return Load{batchProcessor / *wall, pausesProcessor / secondsSince(start)};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring program = argc > 1 ? argv[1] : L"macbatch.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  std::wstring commandLine = L"\"" + program + L"\"";
  const auto started = Clock::now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &child)) {
    std::fprintf(stderr, "cannot start %ls\n", program.c_str());
    return 2;
  }
  CloseHandle(child.hThread);

  Search search{child.dwProcessId, nullptr};
  if (!pollUntil(
          [&] {
            EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
          },
          std::chrono::seconds(30))) {
    std::fprintf(stderr, "no window\n");
    TerminateProcess(child.hProcess, 1);
    return 1;
  }
  std::printf("start to window shown        %8.3f s\n", secondsSince(started));

  int failures = 0;
  for (int count : {20, 200}) {
    if (const std::optional<double> wall = timeBatch(search.found, count)) {
      std::printf("%3d-entry batch, wall        %8.3f s   (floor %.3f s of pauses)\n", count, *wall,
                  count * 0.02);
    } else {
      std::printf("%3d-entry batch did not end well\n", count);
      ++failures;
    }
  }
  const auto outputLength = SendMessageW(GetDlgItem(search.found, outputBoxId), WM_GETTEXTLENGTH, 0, 0);
  std::printf("output box after the batch   %8lld characters\n", static_cast<long long>(outputLength));

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(child.hProcess, &memory, sizeof memory)) {
    std::printf("peak working set             %8.1f MiB\n",
                static_cast<double>(memory.PeakWorkingSetSize) / 1048576);
    std::printf("peak private bytes           %8.1f MiB\n",
                static_cast<double>(memory.PeakPagefileUsage) / 1048576);
  }

  PostMessageW(search.found, WM_CLOSE, 0, 0);
  DWORD code = 1;
  if (WaitForSingleObject(child.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(child.hProcess, &code);
  std::printf("exit code                    %8ld\n", static_cast<long>(code));
  CloseHandle(child.hProcess);

  if (const std::optional<Load> load = batchLoad(200)) {
    std::printf("200-entry batch, processor   %8.1f %% of wall (goal < 5 %%)\n", 100 * load->batch);
    std::printf("200 bare pauses, processor   %8.1f %% of wall\n", 100 * load->pauses);
  } else {
    std::printf("200-entry batch in this process did not end well\n");
    ++failures;
  }
  return failures == 0 && code == 0 ? 0 : 1;
}
