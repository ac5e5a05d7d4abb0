#include "core/hex.h"

#include <cmath>

namespace macbatch {

Text hexText(std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  Text digits;
  do {
    digits.insert(0, hexDigitTable[bits % 16]);
    bits /= 16;
  } while (bits != 0);
  return digits;
}

Text hexByTable(std::int64_t value) {
  Text result;
  if (value < 0) return result;
  std::int64_t n = value;
  do {
    // Values above 2^53 are rounded to the nearest double first, on purpose.
    // The quotient stays below 2^60, so converting it back is always defined.
    const double x = static_cast<double>(n);
    const int digit = static_cast<int>(std::fmod(x, 16.0));
    result.insert(0, hexDigitTable[static_cast<std::size_t>(digit)]);
    n = static_cast<std::int64_t>((x - digit) / 16.0);
  } while (n > 0);
  return result;
}

}  // namespace macbatch
