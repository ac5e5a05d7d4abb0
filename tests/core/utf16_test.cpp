#include "core/utf16.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace macbatch {
namespace {

using namespace std::string_view_literals;

struct ConversionCase {
  const char* name;
  std::u16string_view units;
  std::string_view text;
};

// Both ways: the units of a window box and the text the core sees.
TEST(Utf16, ConvertsUnitForUnitBothWays) {
  const ConversionCase cases[] = {
      {"empty", u""sv, ""sv},
      {"ASCII", u"7C:55\r\n"sv, "7C:55\r\n"sv},
      {"BMP", u"前缀é"sv, "前缀é"sv},
      {"pair", u"\xD83D\xDE00"sv, "😀"sv},
      {"highest pair", u"\xDBFF\xDFFF"sv, "\xF4\x8F\xBF\xBF"sv},
      {"lone high", u"a\xD800" "b"sv, "a\xED\xA0\x80" "b"sv},
      {"lone low", u"a\xDFFF" "b"sv, "a\xED\xBF\xBF" "b"sv},
      {"reversed pair", u"\xDC00\xD800"sv, "\xED\xB0\x80\xED\xA0\x80"sv},
      {"high at the end", u"ab\xDBFF"sv, "ab\xED\xAF\xBF"sv},
      {"high before a pair", u"\xD800\xD83D\xDE00"sv, "\xED\xA0\x80😀"sv},
      {"zero unit", u"a\0b"sv, "a\0b"sv},
      {"last BMP unit", u"\xFFFF"sv, "\xEF\xBF\xBF"sv},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(utf16::toUtf8(c.units), c.text);
    EXPECT_EQ(utf16::fromUtf8(c.text), c.units);
  }
}

// Texts that toUtf8 never gives, from the core's own joins or from elsewhere.
TEST(Utf16, ReadsOtherBytesWithoutLosingTheRest) {
  const ConversionCase cases[] = {
      // A prefix ending in a high surrogate joined to a suffix starting with
      // a low one: the units are those of the two parts, and so a pair.
      {"high then low sequence", u"\xD800\xDC00"sv, "\xED\xA0\x80\xED\xB0\x80"sv},
      {"stray continuation", u"a\xFFFD" "b"sv, "a\x80" "b"sv},
      {"invalid leads", u"\xFFFD\xFFFD\xFFFD"sv, "\xC0\xF5\xFF"sv},
      {"overlong", u"\xFFFD\xFFFD"sv, "\xC1\xBF"sv},
      {"cut off mid-text", u"\xFFFD" "A"sv, "\xE4\xB8" "A"sv},
      {"cut off at the end", u"A\xFFFD"sv, "A\xF0\x9F\x98"sv},
      {"beyond U+10FFFF", u"\xFFFD\xFFFD\xFFFD\xFFFD"sv, "\xF4\x90\x80\x80"sv},
      {"overlong three bytes", u"\xFFFD\xFFFD\xFFFD"sv, "\xE0\x9F\xBF"sv},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(utf16::fromUtf8(c.text), c.units);
  }
}

}  // namespace
}  // namespace macbatch
