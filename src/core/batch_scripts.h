#pragma once
// The texts a batch starts with: the separator of continuous display and the
// prefix and suffix scripts that wrap a batch into a global array, with the
// clean-up that drops the separator in front of the closing suffix. The
// window's boxes start with them and the command-line program defaults to
// them, so that both give the same text for the same addresses.

#include <string_view>

#include "core/text.h"

namespace macbatch {

inline constexpr std::string_view initialSeparator = "\",\"";
inline constexpr std::string_view initialPrefixScript = ":global macs\r\n:set macs []\r\n:set []";
inline constexpr std::string_view initialSuffixScript = "\")\r\n:local vindex 0";

// Replaces every "\",\"\")" by "\")", left to right: where the last entry's
// separator meets the suffix, the separator goes.
Text dropSeparatorBeforeSuffix(std::string_view text);

}  // namespace macbatch
