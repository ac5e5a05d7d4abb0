#include "core/utf8.h"

#include <gtest/gtest.h>

#include <string_view>

namespace macbatch {
namespace {

struct LengthCase {
  std::string_view text;
  std::size_t at;
  std::size_t length;
};

TEST(CharacterLength, StepsOverWellFormedCharactersOnly) {
  using namespace std::string_view_literals;
  const LengthCase cases[] = {
      {"A", 0, 1},
      {"\x7F", 0, 1},
      {"é", 0, 2},
      {"中", 0, 3},
      {"😀", 0, 4},
      {"A中", 1, 3},
      // Bytes that cannot begin a sequence.
      {"\x80", 0, 1},
      {"\xBF", 0, 1},
      {"\xC0\x80", 0, 1},
      {"\xC1\xBF", 0, 1},
      {"\xF5\x80\x80\x80", 0, 1},
      {"\xFF", 0, 1},
      // Overlong and beyond U+10FFFF second bytes.
      {"\xE0\x9F\x80", 0, 1},
      {"\xF0\x8F\x80\x80", 0, 1},
      {"\xF4\x90\x80\x80", 0, 1},
      // A continuation byte missing mid-text.
      {"\xE4" "A", 0, 1},
      {"\xE4\xB8" "A", 0, 1},
      {"\xF0\x9F\x98" "A", 0, 1},
      // The text ends inside the sequence.
      {"\xE4", 0, 0},
      {"\xE4\xB8", 0, 0},
      {"A\xF0\x9F\x98", 1, 0},
      {"", 0, 0},
      {"A", 1, 0},
      // A lone surrogate from a window box is one character.
      {"\xED\xA0\x80", 0, 3},
      {"\xED\xBF\xBF", 0, 3},
      {"\xED\xA0", 0, 0},
  };
  for (const LengthCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "at " << c.at << " of \"" << c.text << "\"");
    EXPECT_EQ(utf8::characterLength(c.text, c.at), c.length);
  }
}

}  // namespace
}  // namespace macbatch
