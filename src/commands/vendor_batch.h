#pragma once
// The vendor-prefixed batch: addresses whose first three octets are a member
// of the built-in vendor table and whose last three are random.

#include "window/main_window.h"
#include "window/run_state.h"

namespace macbatch {

// The click command of 按钮5.
void runVendorBatch(MainWindow& window, RunState& state);

// Makes one address, keeps it in vendorAddress and appends it to 编辑框2 as
// the display mode asks. Counting is the caller's.
void appendVendorEntry(MainWindow& window, RunState& state);

}  // namespace macbatch
