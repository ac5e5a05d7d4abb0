#pragma once
// Reads back what the clipboard holds, as another program would.

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace macbatch::win32::testing {

struct ClipboardItem {
  std::string bytes;  // up to and including the first zero character
  std::size_t blockSize = 0;
};

inline std::optional<ClipboardItem> readClipboardItem(UINT format) {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<ClipboardItem> item;
  if (HANDLE data = GetClipboardData(format)) {
    const std::size_t size = GlobalSize(data);
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    const std::size_t unit = format == CF_UNICODETEXT ? sizeof(wchar_t) : 1;
    const std::string zero(unit, '\0');
    std::size_t end = 0;
    while (end + unit <= size && std::string_view(bytes + end, unit) != zero) end += unit;
    item = ClipboardItem{std::string(bytes, std::min(size, end + unit)), size};
    GlobalUnlock(data);
  }
  CloseClipboard();
  return item;
}

// The bytes of a CF_UNICODETEXT item holding `text`.
inline std::string wideItemBytes(std::wstring_view text) {
  std::string bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  return bytes + std::string(sizeof(wchar_t), '\0');
}

}  // namespace macbatch::win32::testing
