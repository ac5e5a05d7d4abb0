#pragma once

#include <string_view>

namespace macbatch::win32 {

// Hands the URL to the shell's "open" action, owned by a browser window that
// is already open where there is one. The shell's answer is not examined.
void openInBrowser(std::string_view url);

}  // namespace macbatch::win32
