#include "core/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace macbatch {
namespace {

TEST(JoinText, ConcatenatesInOrder) {
  EXPECT_EQ(joinText({"当前生成个数：", "3"}), "当前生成个数：3");
  EXPECT_EQ(joinText({"", "abc"}), "abc");
  EXPECT_EQ(joinText({"abc", ""}), "abc");
  EXPECT_EQ(joinText({"", ""}), "");
  EXPECT_EQ(joinText({"a", "", "b", "c"}), "abc");
  const Text kept = "kept";
  EXPECT_EQ(joinText({kept, kept}), "keptkept");
  EXPECT_EQ(kept, "kept");
}

TEST(ToText, DecimalForm) {
  struct Case {
    std::int32_t value;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},
      {20, "20"},
      {-12, "-12"},
      {1000000, "1000000"},
      {std::numeric_limits<std::int32_t>::max(), "2147483647"},
      {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
  };
  for (const Case& c : cases) EXPECT_EQ(toText(c.value), c.text) << c.value;
}

struct ReplaceCase {
  const char* name;
  std::string_view text;
  std::string_view find;
  std::string_view replacement;
  std::int32_t start;
  std::optional<std::int32_t> count;
  bool caseSensitive;
  std::string_view expected;
};

TEST(ReplaceText, Cases) {
  const ReplaceCase cases[] = {
      {"batch end mended", "x\",\"\")", "\",\"\")", "\")", 1, {}, true, "x\")"},
      {"every occurrence", "a\",\"\")b\",\"\")", "\",\"\")", "\")", 1, {}, true, "a\")b\")"},
      {"no overlap, left to right", "aaa", "aa", "b", 1, {}, true, "ba"},
      {"replacement not searched again", "ab", "a", "aa", 1, {}, true, "aab"},
      {"absent find text", "abc", "x", "y", 1, {}, true, "abc"},
      {"empty find text", "abc", "", "y", 1, {}, true, "abc"},
      {"empty text", "", "a", "y", 1, {}, true, ""},
      {"default replacement deletes", "a-b-c", "-", "", 1, {}, true, "abc"},
      {"find longer than text", "ab", "abc", "y", 1, {}, true, "ab"},
      {"match at the very end", "abc", "bc", "X", 1, {}, true, "aX"},
      {"start skips earlier matches", "a-b-c", "-", "+", 3, {}, true, "a-b+c"},
      {"start below 1 counts as 1", "a-b", "-", "+", -7, {}, true, "a+b"},
      {"start at the last byte", "a-b-", "-", "+", 4, {}, true, "a-b+"},
      {"start past the end", "a-b", "-", "+", 4, {}, true, "a-b"},
      {"start at int32 max", "a-b", "-", "+", std::numeric_limits<std::int32_t>::max(), {}, true, "a-b"},
      {"count limits", "a-b-c-d", "-", "+", 1, 2, true, "a+b+c-d"},
      {"count 0 replaces nothing", "a-b", "-", "+", 1, 0, true, "a-b"},
      {"negative count is unlimited", "a-b-c", "-", "+", 1, -1, true, "a+b+c"},
      {"case sensitive", "Ab ab AB", "ab", "x", 1, {}, true, "Ab x AB"},
      {"case insensitive ASCII", "Ab ab AB", "ab", "x", 1, {}, false, "x x x"},
      {"case insensitive only ASCII", "É é", "é", "x", 1, {}, false, "É x"},
      {"case insensitive keeps punctuation", "[{", "{", "x", 1, {}, false, "[x"},
      // 中 is E4 B8 AD: its trailing bytes are not a match.
      {"no match inside a character", "中", "\xB8\xAD", "x", 1, {}, true, "中"},
      {"no match across a character end", "中A", "\xAD" "A", "x", 1, {}, true, "中A"},
      {"whole characters match", "中文中", "中", "x", 1, {}, true, "x文x"},
      {"stray continuation byte matches", "A\xB8" "B", "\xB8", "x", 1, {}, true, "AxB"},
      // A lone surrogate from a window box is one character of three bytes.
      {"no match inside a lone surrogate", "\xED\xA0\x80", "\xA0\x80", "x", 1, {}, true, "\xED\xA0\x80"},
      {"lone surrogate matches whole", "a\xED\xA0\x80" "b", "\xED\xA0\x80", "", 1, {}, true, "ab"},
      {"cut-off character kept", "a-\xE4\xB8", "-", "+", 1, {}, true, "a+\xE4\xB8"},
  };
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(replaceText(c.text, c.find, c.replacement, c.start, c.count, c.caseSensitive), c.expected);
  }
}

}  // namespace
}  // namespace macbatch
