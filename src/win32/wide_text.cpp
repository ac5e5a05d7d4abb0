#include "win32/wide_text.h"

#include "core/utf16.h"

namespace macbatch::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "a Windows wide character is one UTF-16 code unit");

// Not MultiByteToWideChar and WideCharToMultiByte: with CP_UTF8 they turn a
// lone surrogate into U+FFFD, and a text pasted into a box would change.
std::wstring toWide(std::string_view text) {
  const std::u16string units = utf16::fromUtf8(text);
  return std::wstring(units.begin(), units.end());
}

Text toUtf8(std::wstring_view text) { return utf16::toUtf8(std::u16string(text.begin(), text.end())); }

}  // namespace macbatch::win32
