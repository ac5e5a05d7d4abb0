#pragma once
// The lookup command: opens one fixed page of a MAC-address lookup site.

#include <string_view>

namespace macbatch {

inline constexpr std::string_view lookupPageUrl = "https://mac.bmcx.com/D8:A2:5E:1F:4E:E9__mac/";

// The click command of 按钮6. Reads and writes no control.
void runLookup();

}  // namespace macbatch
