// Measures macbatch under Wine. From outside, as a user drives it: the time to
// its window, the wall time of two vendor batches, the peak memory and the
// exit code. On the same window run inside this process (Wine keeps the
// processor times of the calling process only): writes of one long line into
// the output box and the separator box at growing sizes, the wrap at the end of
// a 2000-entry continuous batch with prefix and suffix, and a long batch whose
// first and last thousand entries are timed and whose processor share and wall
// time are set against entry_floor, which does only the visible work of each
// entry with the stock controls. Run by tools/bench.sh.
//
//   window_bench PROGRAM.exe [--entries N] [--write-budget SECONDS]
//                [--parts outside,writes,wrap,batch]

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <psapi.h>
#include <windowsx.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "commands/command_bindings.h"
#include "win32/layout.h"
#include "win32/main_window_win32.h"
#include "win32/message_pump.h"
#include "win32/wide_text.h"
#include "window/run_state.h"

namespace {

using namespace macbatch;
using namespace macbatch::bench;
using enum Control;
using win32::controlId;

constexpr int entryPauseMilliseconds = 20;
const std::wstring windowTitle = win32::toWide(mainWindowTitle);

// ---- the program from outside ----

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

// The click is sent, not posted: the command runs inside the click, so the
// call returns when the batch has ended, and nothing polls the program
// meanwhile. Gives the wall time, or nothing when the batch did not end well.
std::optional<double> timeBatch(HWND window, int count) {
  const std::wstring countText = std::to_wstring(count);
  SendMessageW(GetDlgItem(window, controlId(编辑框3)), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(countText.c_str()));
  const auto start = Clock::now();
  DWORD_PTR ignored;
  if (!SendMessageTimeoutW(GetDlgItem(window, controlId(按钮5)), BM_CLICK, 0, 0, SMTO_NORMAL, 120000,
                           &ignored)) {
    return std::nullopt;
  }
  const double wall = secondsSince(start);
  if (windowText(GetDlgItem(window, controlId(透明标签3))) != L"当前生成个数：" + countText) return std::nullopt;
  return wall;
}

// Gives the number of failures.
int measureFromOutside(const std::wstring& program) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  std::wstring commandLine = L"\"" + program + L"\"";
  const auto started = Clock::now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &child)) {
    std::printf("cannot start %ls\n", program.c_str());
    return 1;
  }
  CloseHandle(child.hThread);

  Search search{child.dwProcessId, nullptr};
  if (!pollUntil(
          [&] {
            EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
          },
          std::chrono::seconds(30))) {
    std::printf("the program showed no window\n");
    TerminateProcess(child.hProcess, 1);
    CloseHandle(child.hProcess);
    return 1;
  }
  std::printf("start to window shown          %9.3f s\n", secondsSince(started));

  int failures = 0;
  for (int count : {20, 200}) {
    if (const std::optional<double> wall = timeBatch(search.found, count)) {
      std::printf("%3d-entry batch, wall          %9.3f s   (floor %.3f s of pauses)\n", count, *wall,
                  count * 0.02);
    } else {
      std::printf("%3d-entry batch did not end well\n", count);
      ++failures;
    }
  }

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(child.hProcess, &memory, sizeof memory)) {
    std::printf("peak working set              %9.1f MiB\n",
                static_cast<double>(memory.PeakWorkingSetSize) / 1048576);
  }

  PostMessageW(search.found, WM_CLOSE, 0, 0);
  DWORD code = 1;
  if (WaitForSingleObject(child.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(child.hProcess, &code);
  std::printf("exit code                     %9ld\n", static_cast<long>(code));
  CloseHandle(child.hProcess);
  return failures + (code == 0 ? 0 : 1);
}

// ---- the window inside this process ----

// When each running count reached the status line, by count.
std::vector<Clock::time_point>* statusTimes = nullptr;
// The processor time of the process at the last running count, when asked for.
std::optional<double>* statusProcessor = nullptr;
// The processor time at the counts 0, 1000, N - 1000 and N of a batch of N.
std::vector<double>* blockProcessor = nullptr;

LRESULT CALLBACK watchStatus(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  static const std::wstring running = L"当前生成个数：";
  if (message == WM_SETTEXT && statusTimes && lParam) {
    const std::wstring_view text = reinterpret_cast<const wchar_t*>(lParam);
    std::size_t count = 0;
    const std::size_t entries = statusTimes->size() - 1;
    if (text.starts_with(L"正在准备生成")) {
      (*statusTimes)[0] = Clock::now();
      if (blockProcessor) (*blockProcessor)[0] = processorSeconds();
    } else if (text.starts_with(running) && std::swscanf(text.data() + running.size(), L"%zu", &count) == 1 &&
               count <= entries) {
      (*statusTimes)[count] = Clock::now();
      if (statusProcessor) *statusProcessor = processorSeconds();
      if (blockProcessor) {
        const std::size_t edges[] = {0, blockEntries, entries - blockEntries, entries};
        for (std::size_t edge = 1; edge < 4; ++edge) {
          if (count == edges[edge]) (*blockProcessor)[edge] = processorSeconds();
        }
      }
    }
  }
  return DefSubclassProc(label, message, wParam, lParam);
}

class BenchWindow {
 public:
  BenchWindow() : window_(std::make_unique<win32::Win32MainWindow>(bindings_)) {
    bindClickCommands(bindings_, *window_, state_);
    created_ = window_->create(GetModuleHandleW(nullptr));
    if (!created_) return;
    window_->show();
    settle();
    SetWindowSubclass(handle(透明标签3), watchStatus, 1, 0);
  }
  ~BenchWindow() {
    if (window_->isOpen()) RemoveWindowSubclass(handle(透明标签3), watchStatus, 1);
    window_.reset();
    // The quit request of the destroyed window: left queued, it would wake
    // every later pause at once and make it spin.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  BenchWindow(const BenchWindow&) = delete;
  BenchWindow& operator=(const BenchWindow&) = delete;

  bool created() const { return created_; }
  win32::Win32MainWindow& window() { return *window_; }
  HWND handle(Control control) const { return window_->controlHandle(control); }
  void check(Control control, bool checked) {
    Button_SetCheck(handle(control), checked ? BST_CHECKED : BST_UNCHECKED);
  }
  // Draws whatever is due.
  void settle() {
    win32::handlePendingEvents(*window_);
    UpdateWindow(window_->handle());
  }

  // Runs a vendor batch of `count` to its end; gives when each count was shown.
  std::vector<Clock::time_point> runBatch(int count) {
    std::vector<Clock::time_point> times(static_cast<std::size_t>(count) + 1);
    window_->writeText(编辑框3, std::to_string(count));
    statusTimes = &times;
    window_->notifyClick(按钮5);
    statusTimes = nullptr;
    return times;
  }

 private:
  ClickBindings bindings_;
  RunState state_;
  std::unique_ptr<win32::Win32MainWindow> window_;
  bool created_ = false;
};

std::string oneLongLine(std::size_t length) {
  static constexpr std::string_view entry = "7C:55:E7:0A:F3:91\",\"";
  std::string line;
  line.reserve(length + entry.size());
  while (line.size() < length) line += entry;
  line.resize(length);
  return line;
}

struct Write {
  double wall;
  double processor;
  double drawn;  // wall until the box has been drawn as well
};

std::optional<Write> timeWrite(Control control, std::size_t length) {
  BenchWindow bench;
  if (!bench.created()) return std::nullopt;
  const std::string text = oneLongLine(length);
  const double processorBefore = processorSeconds();
  const auto start = Clock::now();
  bench.window().writeText(control, text);
  const double wall = secondsSince(start);
  const double processor = processorSeconds() - processorBefore;
  bench.settle();
  const double drawn = secondsSince(start);
  if (bench.window().readText(control) != text) return std::nullopt;
  return Write{wall, processor, drawn};
}

// Sizes grow tenfold; a size whose time, at the growth seen so far, would pass
// the budget is left out.
int measureWrites(double budgetSeconds) {
  int failures = 0;
  const struct {
    Control control;
    const char* name;
  } boxes[] = {{编辑框2, "output box"}, {分割编辑框, "separator box"}};
  for (const auto& box : boxes) {
    std::optional<std::pair<std::size_t, double>> last;
    double exponent = 2;  // until two sizes have been seen: as the worst case
    for (std::size_t length : {10'000u, 100'000u, 1'000'000u}) {
      if (last) {
        const double estimate = last->second * std::pow(static_cast<double>(length) / last->first, exponent);
        if (estimate > budgetSeconds) {
          std::printf("write, %-13s %8zu chars   left out: about %.0f s at the growth seen\n", box.name, length,
                      estimate);
          continue;
        }
      }
      const std::optional<Write> write = timeWrite(box.control, length);
      if (!write) {
        std::printf("write, %-13s %8zu chars   FAILED: the box does not hold the text\n", box.name, length);
        ++failures;
        break;
      }
      std::printf("write, %-13s %8zu chars %9.3f s  processor %7.3f s  drawn %7.3f s  %7.2f us/char\n", box.name,
                  length, write->wall, write->processor, write->drawn, 1e6 * write->wall / length);
      if (last) exponent = std::log(write->wall / last->second) / std::log(static_cast<double>(length) / last->first);
      last = {length, write->wall};
    }
  }
  return failures;
}

int measureWrap(int entries) {
  BenchWindow bench;
  if (!bench.created()) return 1;
  bench.check(单选框1, false);
  bench.check(单选框2, true);
  bench.check(选择框3, true);
  std::optional<double> processorAtLastEntry;
  statusProcessor = &processorAtLastEntry;
  const auto times = bench.runBatch(entries);
  const auto end = Clock::now();
  const double processorAtEnd = processorSeconds();
  statusProcessor = nullptr;
  const std::size_t length = bench.window().readText(编辑框2).size();
  const bool wrapped = bench.window().readText(编辑框2).starts_with(":global macs");
  if (!wrapped || times.back() == Clock::time_point{}) {
    std::printf("%d-entry continuous batch with prefix and suffix did not end well\n", entries);
    return 1;
  }
  std::printf("%d-entry continuous batch with prefix and suffix: the wrap %.3f s, processor %.3f s (%zu characters)\n",
              entries, secondsBetween(times.back(), end), processorAtEnd - processorAtLastEntry.value_or(0), length);
  return 0;
}

std::optional<EntryRun> programRun(int entries) {
  BenchWindow bench;
  if (!bench.created()) return std::nullopt;
  std::vector<double> processorAt(4);
  blockProcessor = &processorAt;
  const double processorBefore = processorSeconds();
  const auto times = bench.runBatch(entries);
  EntryRun run;
  run.processor = processorSeconds() - processorBefore;
  blockProcessor = nullptr;
  run.firstBlockProcessor = processorAt[1] - processorAt[0];
  run.lastBlockProcessor = processorAt[3] - processorAt[2];
  for (const auto& time : times) {
    if (time == Clock::time_point{}) return std::nullopt;
  }
  run.entries = entries;
  run.wall = secondsBetween(times.front(), times.back());
  run.firstBlock = secondsBetween(times[0], times[blockEntries]);
  run.lastBlock = secondsBetween(times[times.size() - 1 - blockEntries], times.back());
  return run;
}

std::wstring ownFolder() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// Runs entry_floor beside this program and reads its one line.
std::optional<EntryRun> floorRun(int entries) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return std::nullopt;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  const std::wstring path = ownFolder() + L"entry_floor.exe";
  std::wstring commandLine = L"\"" + path + L"\" " + std::to_wstring(entries);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION child{};
  const bool started = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &child);
  CloseHandle(writeEnd);
  std::string output;
  if (started) {
    char buffer[256];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) output.append(buffer, read);
    WaitForSingleObject(child.hProcess, INFINITE);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
  }
  CloseHandle(readEnd);
  EntryRun run;
  if (std::sscanf(output.c_str(), "%d %lf %lf %lf %lf %lf %lf", &run.entries, &run.wall, &run.processor,
                  &run.firstBlock, &run.lastBlock, &run.firstBlockProcessor, &run.lastBlockProcessor) != 7) {
    return std::nullopt;
  }
  return run;
}

void printRun(const char* name, const EntryRun& run) {
  const double pause = blockEntries * entryPauseMilliseconds / 1000.0;
  std::printf("%-9s %d entries: wall %8.3f s  processor %7.3f s (%5.2f %% of a core)\n", name, run.entries,
              run.wall, run.processor, 100 * run.processor / run.wall);
  std::printf("%-9s per entry, first %d %7.3f ms, last %d %7.3f ms; beyond the pause %6.3f and %6.3f ms (x%.2f)\n",
              name, blockEntries, run.firstBlock, blockEntries, run.lastBlock, run.firstBlock - pause,
              run.lastBlock - pause, (run.lastBlock - pause) / (run.firstBlock - pause));
  std::printf("%-9s processor per entry, first %d %6.3f ms, last %d %6.3f ms (x%.2f)\n", name, blockEntries,
              run.firstBlockProcessor, blockEntries, run.lastBlockProcessor,
              run.lastBlockProcessor / run.firstBlockProcessor);
}

int measureBatchAgainstFloor(int entries) {
  const std::optional<EntryRun> floor = floorRun(entries);
  const std::optional<EntryRun> program = programRun(entries);
  if (!floor || !program) {
    std::printf("%d-entry batch: the %s did not end well\n", entries, floor ? "program" : "floor");
    return 1;
  }
  printRun("floor", *floor);
  printRun("macbatch", *program);
  const double floorShare = floor->processor / floor->wall;
  const double programShare = program->processor / program->wall;
  std::printf("macbatch against the floor: processor share x%.3f, wall time x%.3f (goal: at most x1.15)\n",
              programShare / floorShare, program->wall / floor->wall);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring program = L"macbatch.exe";
  int entries = 10000;
  double writeBudget = 180;
  std::wstring parts = L"outside,writes,wrap,batch";
  for (int i = 1; i < argc; ++i) {
    const std::wstring argument = argv[i];
    if (argument == L"--entries" && i + 1 < argc) {
      entries = std::max(2 * blockEntries, _wtoi(argv[++i]));
    } else if (argument == L"--write-budget" && i + 1 < argc) {
      writeBudget = _wtof(argv[++i]);
    } else if (argument == L"--parts" && i + 1 < argc) {
      parts = argv[++i];
    } else {
      program = argument;
    }
  }
  const auto wanted = [&parts](std::wstring_view part) { return parts.find(part) != std::wstring::npos; };
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  int failures = 0;
  if (wanted(L"outside")) failures += measureFromOutside(program);
  std::fflush(stdout);
  if (wanted(L"writes")) failures += measureWrites(writeBudget);
  std::fflush(stdout);
  if (wanted(L"wrap")) failures += measureWrap(2000);
  std::fflush(stdout);
  if (wanted(L"batch")) failures += measureBatchAgainstFloor(entries);
  return failures == 0 ? 0 : 1;
}
