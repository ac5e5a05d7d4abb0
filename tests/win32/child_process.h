#pragma once
// Starting a program of the build and watching it from outside.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "win32/unique_handle.h"

namespace macbatch::win32::testing {

struct ChildProcess {
  UniqueKernelObject process;
  DWORD id = 0;
};

// `relativePath` is taken from the folder of the running test program.
std::optional<ChildProcess> startChild(const std::wstring& relativePath, const std::wstring& arguments = {});

// The child's top-level window with that title, once it is there.
HWND waitForWindow(const ChildProcess& child, const std::wstring& title,
                   std::chrono::milliseconds timeout = std::chrono::seconds(20));

// The exit code, once the child has ended within the time.
std::optional<DWORD> waitForExit(const ChildProcess& child,
                                 std::chrono::milliseconds timeout = std::chrono::seconds(20));

}  // namespace macbatch::win32::testing
