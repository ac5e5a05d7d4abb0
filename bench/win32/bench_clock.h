#pragma once
// Wall and processor time, as the window benchmark and its floor measure them.

#include <windows.h>

#include <chrono>

namespace macbatch::bench {

using Clock = std::chrono::steady_clock;

inline double secondsBetween(Clock::time_point start, Clock::time_point end) {
  return std::chrono::duration<double>(end - start).count();
}

inline double secondsSince(Clock::time_point start) { return secondsBetween(start, Clock::now()); }

// Kernel and user time of every thread of the process. Wine keeps it for the
// calling process only.
inline double processorSeconds(HANDLE process = GetCurrentProcess()) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](FILETIME time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

// A run of entries: its totals and the time of its first and last thousand.
struct EntryRun {
  int entries = 0;
  double wall = 0;       // seconds
  double processor = 0;  // seconds
  double firstBlock = 0;  // seconds for the first `blockEntries` entries
  double lastBlock = 0;   // seconds for the last `blockEntries` entries
  double firstBlockProcessor = 0;
  double lastBlockProcessor = 0;
};

inline constexpr int blockEntries = 1000;

}  // namespace macbatch::bench
