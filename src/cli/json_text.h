#pragma once
// Texts as JSON strings.

#include <string>
#include <string_view>

namespace macbatch {

// Appends `text` in double quotes: quote, backslash and control characters
// escaped, ill-formed UTF-8 replaced by U+FFFD, everything else as it is.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace macbatch
