#pragma once
// The fatal report as a message box.

namespace macbatch::win32 {

// Makes reportFatalError show the box titled "错误" and end the process with
// exit code -1, without the exit routines.
void installFatalReport();

// From the start of the report on, clicks no longer start commands.
bool fatalReportStarted();

}  // namespace macbatch::win32
