#pragma once
// A real main window per test, driven through the same message path as the
// program's event loop.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>

#include "win32/main_window_win32.h"
#include "win32/message_pump.h"
#include "window/click_bindings.h"

namespace macbatch::win32::testing {

// Polls `done` while handling the thread's messages, until it holds or the
// time is up. Gives the last answer.
template <typename Done>
bool pollUntil(Done done, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

// Holds a modifier key for the thread's GetKeyState while in scope.
class HeldKey {
 public:
  explicit HeldKey(int key) : key_(key) { set(0x80); }
  ~HeldKey() { set(0); }
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;

 private:
  void set(BYTE down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[key_] = down;
    SetKeyboardState(keys);
  }
  int key_;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    window_ = std::make_unique<Win32MainWindow>(bindings_);
    ASSERT_TRUE(window_->create(GetModuleHandleW(nullptr)));
    window_->show();
    handlePendingEvents(*window_);
  }

  void TearDown() override {
    window_.reset();
    // The quit request of the destroyed window, and whatever else it left.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  Win32MainWindow& window() { return *window_; }
  HWND handleOf(Control control) const { return window_->controlHandle(control); }
  std::optional<Control> focused() const { return window_->controlOf(GetFocus()); }

  void focus(Control control) { SetFocus(handleOf(control)); }

  // As the keyboard would deliver it to the focused control.
  void press(UINT key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    handlePendingEvents(*window_);
  }

  void click(Control control) {
    PostMessageW(handleOf(control), BM_CLICK, 0, 0);
    handlePendingEvents(*window_);
  }

  ClickBindings bindings_;
  std::unique_ptr<Win32MainWindow> window_;
};

}  // namespace macbatch::win32::testing
