#pragma once
// What the two batch commands share: their start, their pacing and their
// status-line texts.

#include <cstdint>
#include <string_view>

#include "core/text.h"
#include "window/main_window.h"
#include "window/run_state.h"

namespace macbatch {

// Every entry is followed by this pause, which keeps the window responsive.
inline constexpr std::int32_t entryPauseMilliseconds = 20;

// Resets the count, empties the output box and shows the count as typed;
// gives the number of entries to make, read from the count box once more.
std::int32_t beginBatch(MainWindow& window, RunState& state);

// "当前生成个数：" + the running count.
Text batchProgressStatus(std::int32_t generatedCount);

// Counting wraps modulo 2^32 like every other 32-bit sum of the program.
inline std::int32_t nextCount(std::int32_t count) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + 1u);
}

}  // namespace macbatch
