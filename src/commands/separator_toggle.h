#pragma once
// Choosing "连续显示" enables the separator box for good.

#include "window/main_window.h"

namespace macbatch {

// The click command of 单选框2.
void runSeparatorToggle(MainWindow& window);

}  // namespace macbatch
