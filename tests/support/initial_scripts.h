#pragma once
// The prefix and suffix scripts that the window starts with.

#include "generation/text.h"

namespace macbatch::testing {

inline const Text prefixScript = ":global macs\r\n:set macs []\r\n:set []";
inline const Text suffixScript = "\")\r\n:local vindex 0";

}  // namespace macbatch::testing
