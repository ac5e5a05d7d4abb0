#include "commands/vendor_batch.h"

#include "commands/batch_steps.h"
#include "core/batch_scripts.h"
#include "core/hex.h"
#include "core/random.h"
#include "core/text_list.h"
#include "core/vendor_table.h"

namespace macbatch {
namespace {

using enum Control;

Text randomHexDigit() {
  reseedRandom();
  return hexByTable(drawRandom(0, 15));
}

// The wrapping steps run in this order and deliberately build on one another
// through batchText, except the prefix-only step, which writes the box alone.
void wrapVendorBatch(MainWindow& window, RunState& state) {
  if (window.isChecked(选择框1)) {
    window.writeText(编辑框2, "");
    const Text prefix = window.readText(编辑框6);
    window.writeText(编辑框2, joinText({prefix, state.batchText}));
  }
  if (window.isChecked(选择框2)) {
    window.writeText(编辑框2, "");
    const Text suffix = window.readText(编辑框7);
    state.batchText = joinText({state.batchText, suffix});
    state.batchText = dropSeparatorBeforeSuffix(state.batchText);
    window.writeText(编辑框2, state.batchText);
  }
  if (window.isChecked(选择框3)) {
    const Text prefix = window.readText(编辑框6);
    const Text suffix = window.readText(编辑框7);
    state.batchText = joinText({prefix, state.batchText, suffix});
    state.batchText = dropSeparatorBeforeSuffix(state.batchText);
    window.writeText(编辑框2, "");
    window.writeText(编辑框2, state.batchText);
  }
}

}  // namespace

void appendVendorEntry(MainWindow& window, RunState& state) {
  const TextList prefixes = splitText(vendorPrefixTable, "\r\n");
  reseedRandom();
  const Text& prefix = memberAt(prefixes, drawRandom(1, memberCount(prefixes)));

  Text tail;
  for (int digit = 1; digit <= 6; ++digit) {
    tail += randomHexDigit();
    if (digit == 2 || digit == 4) tail += ":";
  }
  state.vendorAddress = joinText({prefix, ":", tail});

  // Two independent tests: a window may report both modes, or neither.
  if (window.isChecked(单选框1)) {
    window.appendText(编辑框2, joinText({state.vendorAddress, "\r\n"}));
  }
  if (window.isChecked(单选框2)) {
    const Text separator = window.readText(分割编辑框);
    window.appendText(编辑框2, joinText({state.vendorAddress, separator}));
  }
}

void runVendorBatch(MainWindow& window, RunState& state) {
  const std::int32_t count = beginBatch(window, state);

  for (std::int64_t entry = 1; entry <= count; ++entry) {
    appendVendorEntry(window, state);
    if (window.pauseWithEvents(entryPauseMilliseconds) == WindowState::closed) return;
    state.generatedCount = nextCount(state.generatedCount);
    window.writeText(透明标签3, batchProgressStatus(state.generatedCount));
  }

  state.batchText = window.readText(编辑框2);
  wrapVendorBatch(window, state);
}

}  // namespace macbatch
