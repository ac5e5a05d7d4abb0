#pragma once
// Taking window messages off the thread's queue and handling them.

#include <windows.h>

namespace macbatch::win32 {

class Win32MainWindow;

// The window's keyboard handling first, then translation and dispatch.
void handleMessage(Win32MainWindow& window, MSG& message);

// Handles every waiting message until the queue is empty, the next message
// is the quit request (which stays queued for the event loop) or the window
// has been closed.
void handlePendingEvents(Win32MainWindow& window);

// Runs until the quit request and gives its exit code.
int runEventLoop(Win32MainWindow& window);

}  // namespace macbatch::win32
