#pragma once
// Hexadecimal renderings of integers.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/text.h"

namespace macbatch {

// Position k (1 to 16) of the table holds the digit for k - 1.
inline constexpr std::array<std::string_view, 16> hexDigitTable = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"};

// Upper-case hex of the value read as unsigned 32-bit, no leading zeros.
Text hexText(std::int32_t value);

// Upper-case hex built digit by digit from hexDigitTable with the arithmetic
// done in double precision; a negative value gives the empty text.
Text hexByTable(std::int64_t value);

}  // namespace macbatch
