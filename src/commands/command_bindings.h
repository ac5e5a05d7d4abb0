#pragma once
// Binds the seven click commands to their controls.

#include "window/click_bindings.h"
#include "window/main_window.h"
#include "window/run_state.h"

namespace macbatch {

// The commands reach the window only through `window` and keep their values
// in `state`; both must outlive the bindings.
void bindClickCommands(ClickBindings& bindings, MainWindow& window, RunState& state);

}  // namespace macbatch
