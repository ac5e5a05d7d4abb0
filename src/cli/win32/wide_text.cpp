#include "cli/win32/wide_text.h"

#include "core/utf16.h"

namespace macbatch {

// The core's conversion keeps every code unit, a lone surrogate included, so
// that a file name or argument Windows hands over comes back as it was.
std::wstring wideFromUtf8(std::string_view text) {
  const std::u16string units = utf16::fromUtf8(text);
  return std::wstring(units.begin(), units.end());
}

std::string utf8FromWide(std::wstring_view text) {
  return utf16::toUtf8(std::u16string(text.begin(), text.end()));
}

std::string systemErrorText(DWORD error) {
  wchar_t* message = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  std::wstring_view text(message != nullptr ? message : L"", length);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L'.')) {
    text.remove_suffix(1);
  }
  std::string utf8 = text.empty() ? "system error " + std::to_string(error) : utf8FromWide(text);
  LocalFree(message);
  return utf8;
}

}  // namespace macbatch
