#include "win32/browser.h"

#include <shellapi.h>
#include <windows.h>

#include "win32/wide_text.h"

namespace macbatch::win32 {

void openInBrowser(std::string_view url) {
  HWND owner = FindWindowExW(nullptr, nullptr, nullptr, L"Microsoft Internet Explorer");
  ShellExecuteW(owner, L"open", toWide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace macbatch::win32
