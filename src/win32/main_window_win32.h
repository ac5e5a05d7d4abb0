#pragma once
// MainWindow on a real Win32 window.

#include <windows.h>

#include <array>
#include <optional>

#include "win32/fonts.h"
#include "window/click_bindings.h"
#include "window/main_window.h"

namespace macbatch::win32 {

class Win32MainWindow final : public MainWindow {
 public:
  // The bindings are read at each click and must outlive the window.
  explicit Win32MainWindow(const ClickBindings& bindings);
  ~Win32MainWindow() override;
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  // The window centred on the screen with every control in its initial
  // state, not yet shown; false when it could not be made.
  [[nodiscard]] bool create(HINSTANCE instance);
  void show();
  // As the user does with the close button.
  void close();

  bool isOpen() const { return window_ != nullptr; }
  HWND handle() const { return window_; }
  HWND controlHandle(Control control) const { return controls_[indexOf(control)]; }
  // The control that is `handle` or holds it (a combo box's edit part).
  std::optional<Control> controlOf(HWND handle) const;
  // Shown and enabled: the control may take the focus.
  bool takesFocus(Control control) const;
  // As the control's own click would.
  void notifyClick(Control control);

  Text readText(Control control) override;
  void writeText(Control control, std::string_view text) override;
  int isChecked(Control control) override;
  void setDisabled(Control control, bool disabled) override;
  void appendText(Control control, std::string_view text) override;
  [[nodiscard]] WindowState pauseWithEvents(std::int32_t milliseconds) override;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void onCommand(int id, HWND source, UINT code);
  HBRUSH onCtlColorStatic(HDC dc, HWND source);
  bool onActivate(UINT state, bool minimized);
  void onSetFocus();
  void onDestroy();

  bool createControls(HINSTANCE instance);
  void stackControls();
  void showControls();
  void restoreFocus();

  const ClickBindings& bindings_;
  ControlFonts fonts_;
  HWND window_ = nullptr;
  std::array<HWND, controlCount> controls_{};
  std::optional<Control> lastFocus_;
};

}  // namespace macbatch::win32
