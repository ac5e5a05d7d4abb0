#include "win32/message_pump.h"

#include "win32/keyboard.h"
#include "win32/main_window_win32.h"

namespace macbatch::win32 {

void handleMessage(Win32MainWindow& window, MSG& message) {
  if (preTranslateMessage(window, message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void handlePendingEvents(Win32MainWindow& window) {
  MSG message;
  // One look per message: under Wine each look is a call to its server.
  while (window.isOpen() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // It belongs to the event loop: put back.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    handleMessage(window, message);
  }
}

int runEventLoop(Win32MainWindow& window) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) handleMessage(window, message);
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

}  // namespace macbatch::win32
