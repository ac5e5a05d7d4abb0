#pragma once
// The plain batch (entries of ten random hex digits) and the single address.

#include "window/main_window.h"
#include "window/run_state.h"

namespace macbatch {

// The click command of 按钮2.
void runPlainBatch(MainWindow& window, RunState& state);

// Makes one entry, appends it to 编辑框2 as the display mode asks, counts it
// and shows the count.
void appendPlainEntry(MainWindow& window, RunState& state);

// The click command of 按钮1: "00" and ten random hex digits into 编辑框1.
void runSingleAddress(MainWindow& window);

}  // namespace macbatch
