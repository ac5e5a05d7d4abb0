#pragma once
// The window's own keys, looked at before any message is translated and
// dispatched, by the event loop and by the pause alike.

#include <windows.h>

namespace macbatch::win32 {

class Win32MainWindow;

// True when the message was one of the window's keys and has been handled:
// Esc closes the window, Tab and Shift+Tab walk the focus order, an arrow key
// on a radio button moves the check, the click and the focus to the other.
bool preTranslateMessage(Win32MainWindow& window, const MSG& message);

}  // namespace macbatch::win32
