#include "shell/win32/application.h"

#include <commctrl.h>

#include "shell/command_bindings.h"
#include "shell/exit_routines.h"
#include "shell/platform.h"
#include "shell/run_state.h"
#include "shell/win32/browser.h"
#include "shell/win32/clipboard.h"
#include "shell/win32/fatal_report.h"
#include "shell/win32/main_window_win32.h"
#include "shell/win32/message_pump.h"

namespace macbatch::win32 {
namespace {

// Reached by the exit routine, which takes no arguments.
RunState& programRunState() {
  static RunState state;
  return state;
}

void releaseProgramRunState() { releaseRunState(programRunState()); }

void installPlatformServices() {
  Platform& services = platform();
  services.tickCount = [] { return static_cast<std::uint32_t>(GetTickCount()); };
  services.copyToClipboard = copyToClipboard;
  services.openInBrowser = openInBrowser;
  installFatalReport();
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

}  // namespace

int runApplication(HINSTANCE instance) {
  installPlatformServices();

  ClickBindings bindings;
  Win32MainWindow window(bindings);
  bindClickCommands(bindings, window, programRunState());

  ExitRoutineList exitRoutines;
  exitRoutines.add(releaseProgramRunState);

  if (!window.create(instance)) reportFatalError("载入启动窗口失败");
  window.show();
  const int exitCode = runEventLoop(window);

  exitRoutines.runAll();
  return exitCode;
}

}  // namespace macbatch::win32
