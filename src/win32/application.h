#pragma once
// The program from start-up to shut-down.

#include <windows.h>

namespace macbatch::win32 {

// Gives the process exit code: that of the quit request after any close.
int runApplication(HINSTANCE instance);

}  // namespace macbatch::win32
