#pragma once
// UTF-8 and UTF-16 at the Win32 calls of the command-line program.

#include <windows.h>

#include <string>
#include <string_view>

namespace macbatch {

// Lone surrogates pass both ways unchanged; bytes that are not UTF-8 become U+FFFD.
std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

// The system's message for a GetLastError code, in UTF-8.
std::string systemErrorText(DWORD error);

}  // namespace macbatch
