#include "commands/plain_batch.h"

#include "commands/batch_steps.h"
#include "core/hex.h"
#include "core/random.h"

namespace macbatch {
namespace {

using enum Control;

Text randomHexDigit() {
  reseedRandom();
  return hexText(drawRandom(0, 15));
}

// Every step starts again from batchText. With 前缀 alone the batch is written
// back as it was: the prefix reaches the output only with 后缀 as well.
void wrapPlainBatch(MainWindow& window, const RunState& state) {
  if (window.isChecked(选择框1)) {
    window.writeText(编辑框2, "");
    window.writeText(编辑框2, state.batchText);
  }
  if (window.isChecked(选择框2)) {
    window.writeText(编辑框2, "");
    const Text suffix = window.readText(编辑框7);
    window.writeText(编辑框2, joinText({state.batchText, suffix}));
  }
  if (window.isChecked(选择框2) && window.isChecked(选择框1)) {
    window.writeText(编辑框2, "");
    const Text prefix = window.readText(编辑框6);
    const Text suffix = window.readText(编辑框7);
    window.writeText(编辑框2, joinText({prefix, state.batchText, suffix}));
  }
}

}  // namespace

void appendPlainEntry(MainWindow& window, RunState& state) {
  Text entry = window.isChecked(单选框2) ? window.readText(分割编辑框) : Text();
  for (int digit = 0; digit < 10; ++digit) entry += randomHexDigit();

  // Two independent tests: a window may report both modes, or neither.
  if (window.isChecked(单选框1)) {
    window.appendText(编辑框2, joinText({entry, "\r\n"}));
  }
  if (window.isChecked(单选框2)) {
    const Text separator = window.readText(分割编辑框);
    window.appendText(编辑框2, joinText({entry, separator}));
  }

  state.generatedCount = nextCount(state.generatedCount);
  window.writeText(透明标签3, batchProgressStatus(state.generatedCount));
}

void runPlainBatch(MainWindow& window, RunState& state) {
  const std::int32_t count = beginBatch(window, state);

  for (std::int64_t entry = 1; entry <= count; ++entry) {
    appendPlainEntry(window, state);
    if (window.pauseWithEvents(entryPauseMilliseconds) == WindowState::closed) return;
  }

  state.batchText = window.readText(编辑框2);
  wrapPlainBatch(window, state);
}

void runSingleAddress(MainWindow& window) {
  Text address = "00";
  for (int digit = 0; digit < 10; ++digit) {
    address += randomHexDigit();
    window.writeText(编辑框1, address);
  }
}

}  // namespace macbatch
