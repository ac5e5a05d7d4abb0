#include "child_process.h"

namespace macbatch::win32::testing {
namespace {

std::wstring ownFolder() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

struct WindowSearch {
  DWORD processId;
  const std::wstring* title;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search.processId) return TRUE;
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  if (*search.title != title) return TRUE;
  search.found = window;
  return FALSE;
}

}  // namespace

std::optional<ChildProcess> startChild(const std::wstring& relativePath, const std::wstring& arguments) {
  std::wstring path = ownFolder() + relativePath;
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  std::wstring commandLine = L"\"" + path + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return std::nullopt;
  }
  CloseHandle(started.hThread);
  return ChildProcess{UniqueKernelObject(started.hProcess), started.dwProcessId};
}

HWND waitForWindow(const ChildProcess& child, const std::wstring& title, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    WindowSearch search{child.id, &title, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found && IsWindowVisible(search.found)) return search.found;
    if (std::chrono::steady_clock::now() >= deadline) return nullptr;
    // Wakes early when the child ends before showing the window.
    if (WaitForSingleObject(child.process.get(), 20) == WAIT_OBJECT_0) return nullptr;
  }
}

std::optional<DWORD> waitForExit(const ChildProcess& child, std::chrono::milliseconds timeout) {
  if (WaitForSingleObject(child.process.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(child.process.get(), &code);
  return code;
}

}  // namespace macbatch::win32::testing
