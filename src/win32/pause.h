#pragma once
// Waiting inside a command while the window goes on handling its events.

#include <cstdint>

#include "window/main_window.h"

namespace macbatch::win32 {

class Win32MainWindow;

// Handles events for `milliseconds` (nothing at all for 0 or less), sleeping
// between them. Returns at once, closed, when the window is closed meanwhile.
WindowState pauseWithEvents(Win32MainWindow& window, std::int32_t milliseconds);

}  // namespace macbatch::win32
