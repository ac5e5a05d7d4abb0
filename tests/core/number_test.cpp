#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "core/text.h"

namespace macbatch {
namespace {

struct IntegerCase {
  std::string_view text;
  std::int32_t value;
};

TEST(ToInteger, ReadsLeadingDecimal) {
  const IntegerCase cases[] = {
      {"20", 20},
      {" 20", 20},
      {"\t\n\v\f\r 20", 20},
      {"+20", 20},
      {"20个", 20},
      {"20abc", 20},
      {"12.9", 12},
      {"007", 7},
      {"-5", -5},
      {"-0", 0},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {"- 5", 0},
      {"+-5", 0},
      {"个20", 0},
      {"\x85" "20", 0},
  };
  for (const IntegerCase& c : cases) EXPECT_EQ(toInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(ToInteger, ReadsFullWidthForms) {
  const IntegerCase cases[] = {
      {"２０", 20},
      {"－５", -5},
      {"＋７", 7},
      {"　20", 20},
      {"　　－１２个", -12},
      {"2０", 20},
      // U+FF04 is not in the folded row: the number never starts.
      {"＄5", 0},
      {"￥5", 0},
  };
  for (const IntegerCase& c : cases) EXPECT_EQ(toInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(ToInteger, WrapsModulo2To32) {
  const IntegerCase cases[] = {
      {"2147483647", 2147483647},
      {"2147483648", -2147483647 - 1},
      {"-2147483648", -2147483647 - 1},
      {"-2147483649", 2147483647},
      {"4294967295", -1},
      {"4294967297", 1},
      {"99999999999999999999", 1661992959},
  };
  for (const IntegerCase& c : cases) EXPECT_EQ(toInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(FoldFullWidth, FoldsTheCharactersOfTheFullWidthRow) {
  struct Case {
    std::string_view text;
    std::string_view folded;
  };
  const Case cases[] = {
      {"！", "!"},
      {"０１２３４５６７８９", "0123456789"},
      {"ＡＺａｚ", "AZaz"},
      {"｝", "}"},
      {"￥", "$"},
      {"￣", "~"},
      {"～", "~"},
      {"　", " "},
      {"☆★", "**"},
      // Outside the row, or GBK's other dollar and ASCII-looking neighbours.
      {"＄", "＄"},
      {"｟", "｟"},
      {"中文", "中文"},
      {"abc", "abc"},
      {"", ""},
      // A cut-off character at the end is dropped; malformed bytes mid-text stay.
      {"２\xEF\xBC", "2"},
      {"2\xE4", "2"},
      {"\x80２", "\x80" "2"},
      {"\xEF\xBC" "2", "\xEF\xBC" "2"},
  };
  for (const Case& c : cases) EXPECT_EQ(foldFullWidth(c.text), c.folded) << '"' << c.text << '"';
}

}  // namespace
}  // namespace macbatch
