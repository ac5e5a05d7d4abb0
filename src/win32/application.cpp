#include "win32/application.h"

#include <commctrl.h>

#include "commands/command_bindings.h"
#include "commands/desktop.h"
#include "core/exit_routines.h"
#include "core/platform.h"
#include "win32/browser.h"
#include "win32/clipboard.h"
#include "win32/fatal_report.h"
#include "win32/main_window_win32.h"
#include "win32/message_pump.h"
#include "window/run_state.h"

namespace macbatch::win32 {
namespace {

// Reached by the exit routine, which takes no arguments.
RunState& programRunState() {
  static RunState state;
  return state;
}

void releaseProgramRunState() { releaseRunState(programRunState()); }

void installPlatformServices() {
  platform().tickCount = [] { return static_cast<std::uint32_t>(GetTickCount()); };
  desktop().copyToClipboard = copyToClipboard;
  desktop().openInBrowser = openInBrowser;
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
