#include "win32/browser.h"

// shellapi.h needs the types of windows.h first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "win32/wide_text.h"

namespace macbatch::win32 {

void openInBrowser(std::string_view url) {
  HWND owner = FindWindowExW(nullptr, nullptr, nullptr, L"Microsoft Internet Explorer");
  ShellExecuteW(owner, L"open", toWide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace macbatch::win32
