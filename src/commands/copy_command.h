#pragma once
// The copy command: the output box to the clipboard, then the count report.

#include "window/main_window.h"
#include "window/run_state.h"

namespace macbatch {

// The click command of 按钮3. The report is written whether or not the
// clipboard took the text.
void runCopy(MainWindow& window, const RunState& state);

}  // namespace macbatch
