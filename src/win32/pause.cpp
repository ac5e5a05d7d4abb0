#include "win32/pause.h"

#include <windows.h>

#include "win32/main_window_win32.h"
#include "win32/message_pump.h"

namespace macbatch::win32 {

WindowState pauseWithEvents(Win32MainWindow& window, std::int32_t milliseconds) {
  if (!window.isOpen()) return WindowState::closed;
  if (milliseconds <= 0) return WindowState::open;
  // Wraps with the tick count; the comparison below is unsigned.
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  for (;;) {
    handlePendingEvents(window);
    if (!window.isOpen()) return WindowState::closed;
    const DWORD now = GetTickCount();
    if (now > end) return WindowState::open;
    // Asleep until the next message or the end, where a busy wait would spin.
    MsgWaitForMultipleObjectsEx(0, nullptr, end - now + 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

}  // namespace macbatch::win32
