#include "core/hex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace macbatch {
namespace {

TEST(HexText, UnsignedUpperCaseWithoutLeadingZeros) {
  struct Case {
    std::int32_t value;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},
      {15, "F"},
      {16, "10"},
      {255, "FF"},
      {0x7FFFFFFF, "7FFFFFFF"},
      {-1, "FFFFFFFF"},
      {std::numeric_limits<std::int32_t>::min(), "80000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(hexText(c.value), c.text) << c.value;
}

TEST(HexByTable, DigitsThroughDouble) {
  constexpr std::int64_t twoTo53 = std::int64_t{1} << 53;
  struct Case {
    std::int64_t value;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},
      {9, "9"},
      {10, "A"},
      {15, "F"},
      {16, "10"},
      {255, "FF"},
      {4096, "1000"},
      {0xFEDCBA98, "FEDCBA98"},
      {twoTo53 - 1, "1FFFFFFFFFFFFF"},
      {twoTo53, "20000000000000"},
      // Rounded to the nearest double before the digits are taken.
      {twoTo53 + 1, "20000000000000"},
      {std::numeric_limits<std::int64_t>::max(), "8000000000000000"},
      {-1, ""},
      {std::numeric_limits<std::int64_t>::min(), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(hexByTable(c.value), c.text) << c.value;
}

TEST(HexByTable, AgreesWithHexTextAndTheTableForOneDigit) {
  for (std::int32_t value = 0; value < 16; ++value) {
    EXPECT_EQ(hexByTable(value), hexText(value));
    EXPECT_EQ(hexByTable(value), hexDigitTable[static_cast<std::size_t>(value)]);
  }
}

}  // namespace
}  // namespace macbatch
