#pragma once

#include <string_view>

namespace macbatch::win32 {

// Places the text as CF_TEXT (its bytes in the ANSI code page and one zero
// byte) and beside it as CF_UNICODETEXT, so that characters the code page
// cannot hold still reach the programs that read the wide format. Opens and
// closes the clipboard within the call; false when it could not be opened
// (another program holds it) or the memory block could not be had.
bool copyToClipboard(std::string_view text);

}  // namespace macbatch::win32
