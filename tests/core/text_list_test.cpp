#include "core/text_list.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "core/platform.h"
#include "support/fatal_capture.h"

namespace macbatch {
namespace {

struct SplitCase {
  const char* name;
  std::string_view text;
  std::string_view separator;
  std::optional<std::int32_t> limit;
  std::vector<Text> members;
};

TEST(SplitText, Cases) {
  const SplitCase cases[] = {
      {"separator between", "A|B", "|", {}, {"A", "B"}},
      {"separator at the end adds nothing", "A|B|", "|", {}, {"A", "B"}},
      {"separator at the start", "|A", "|", {}, {"", "A"}},
      {"separators in a row", "A||B", "|", {}, {"A", "", "B"}},
      {"separator alone", "|", "|", {}, {""}},
      {"no separator", "AB", "|", {}, {"AB"}},
      {"empty text", "", "|", {}, {}},
      {"empty separator", "A|B", "", {}, {"A|B"}},
      {"default separator", "a,b", ",", {}, {"a", "b"}},
      {"line breaks", "a\r\nb\r\nc", "\r\n", {}, {"a", "b", "c"}},
      {"half a line break", "a\rb\n", "\r\n", {}, {"a\rb\n"}},
      {"separator longer than text", "a", "\r\n", {}, {"a"}},
      {"limit stops the scan", "A|B|C", "|", 1, {"A"}},
      {"limit drops the rest", "A|B|C", "|", 2, {"A", "B"}},
      {"limit reached at the end", "A|B|C", "|", 3, {"A", "B", "C"}},
      {"limit not reached", "A|B", "|", 5, {"A", "B"}},
      {"limit 0", "A|B", "|", 0, {}},
      {"negative limit counts as 0", "A|B", "|", -1, {}},
      {"limit with empty separator", "A|B", "", 1, {"A|B"}},
      {"multi-byte separator", "甲、乙、", "、", {}, {"甲", "乙"}},
      // 、 is E3 80 81 and 中 is E4 B8 AD: no match inside either character.
      {"continuation byte separator", "甲、乙", "\x80", {}, {"甲、乙"}},
      {"character suffix separator", "中中", "\xB8\xAD", {}, {"中中"}},
      {"separator across characters", "中中", "\xAD\xE4", {}, {"中中"}},
      {"stray byte separator", "A\x80" "B", "\x80", {}, {"A", "B"}},
      {"no match inside a lone surrogate", "\xED\xA0\x80", "\xA0\x80", {}, {"\xED\xA0\x80"}},
      {"malformed lead does not swallow", "A\xE4|B", "|", {}, {"A\xE4", "B"}},
      {"cut-off character is the rest", "A|\xE4\xB8", "|", {}, {"A", "\xE4\xB8"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(splitText(c.text, c.separator, c.limit), TextList(c.members));
  }
}

TEST(SplitText, PositionsRunFromOne) {
  const TextList list = splitText("x,y,z");
  ASSERT_EQ(memberCount(list), 3);
  EXPECT_EQ(memberAt(list, 1), "x");
  EXPECT_EQ(memberAt(list, 3), "z");
  EXPECT_EQ(memberCount(TextList()), 0);
}

class MemberAtOutside : public ::testing::Test {
 protected:
  testing::FatalCapture capture_;
  TextList list_ = splitText("a|b", "|");

  FatalReport reportFor(std::int32_t position) {
    try {
      memberAt(list_, position);
    } catch (const testing::FatalReportRaised& thrown) {
      return thrown.report;
    }
    ADD_FAILURE() << "position " << position << " was accepted";
    return {};
  }
};

TEST_F(MemberAtOutside, BelowOneIsError4) {
  for (std::int32_t position : {0, -1, std::numeric_limits<std::int32_t>::min()}) {
    SCOPED_TRACE(position);
    const FatalReport report = reportFor(position);
    EXPECT_EQ(report.number, 4);
    EXPECT_EQ(report.message, "数组成员引用下标必须大于等于1");
  }
}

TEST_F(MemberAtOutside, AboveCountIsError1) {
  for (std::int32_t position : {3, std::numeric_limits<std::int32_t>::max()}) {
    SCOPED_TRACE(position);
    const FatalReport report = reportFor(position);
    EXPECT_EQ(report.number, 1);
    EXPECT_EQ(report.message, "数组成员引用下标超出定义范围");
  }
}

TEST_F(MemberAtOutside, EmptyListHasNoPositionOne) {
  list_ = TextList();
  EXPECT_EQ(reportFor(1).number, 1);
}

}  // namespace
}  // namespace macbatch
