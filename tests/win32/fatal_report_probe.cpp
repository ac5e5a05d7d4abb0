// Shows the main window with a command on 按钮5, then reports a fatal error,
// for the program test to watch from outside.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "core/platform.h"
#include "win32/fatal_report.h"
#include "win32/main_window_win32.h"
#include "window/click_bindings.h"

int main() {
  using namespace macbatch;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  win32::installFatalReport();

  ClickBindings bindings;
  win32::Win32MainWindow window(bindings);
  bindings.bind(Control::按钮5, [&window] { window.writeText(Control::透明标签3, "ran"); });
  if (!window.create(GetModuleHandleW(nullptr))) return 2;
  window.show();
  reportFatalError("载入启动窗口失败");
}
