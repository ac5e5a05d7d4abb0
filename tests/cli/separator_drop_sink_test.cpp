#include "cli/separator_drop_sink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/seeded_random.h"
#include "core/batch_scripts.h"

namespace macbatch {
namespace {

std::string throughSink(const std::vector<std::string_view>& pieces) {
  StringSink out;
  SeparatorDropSink sink(out);
  for (std::string_view piece : pieces) EXPECT_EQ(sink.write(piece), WriteStatus::ok);
  EXPECT_EQ(sink.finish(), WriteStatus::ok);
  return out.text();
}

TEST(SeparatorDropSink, GivesWhatTheWholeTextWouldGive) {
  const std::string texts[] = {
      "",
      "\",\"\")",
      "[]A\",\"B\",\"\")\r\nend",
      "\",\"\",\"\")\")",        // only the last separator meets the suffix
      "\",\"\")\",\"\")x\",\"",  // two matches, and a partial one at the end
      "\",\"\"\",\"\")",         // an overlapping start
      "no match at all",
  };
  for (const std::string& text : texts) {
    const Text whole = dropSeparatorBeforeSuffix(text);
    // Every way of cutting the text in two, and in single bytes.
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
      const std::string_view view = text;
      EXPECT_EQ(throughSink({view.substr(0, cut), view.substr(cut)}), whole) << text << " cut at " << cut;
    }
    std::vector<std::string_view> bytes;
    for (std::size_t i = 0; i < text.size(); ++i) bytes.push_back(std::string_view(text).substr(i, 1));
    EXPECT_EQ(throughSink(bytes), whole) << text;
  }
}

TEST(SeparatorDropSink, RandomTextsOfTheCharactersThatMatter) {
  SeededRandom random(11);
  constexpr char alphabet[] = "\",)AB";
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const std::uint64_t length = drawBelow(random, 40);
    for (std::uint64_t i = 0; i < length; ++i) text += alphabet[drawBelow(random, 5)];
    const std::size_t cut = drawBelow(random, text.size() + 1);
    const std::string_view view = text;
    EXPECT_EQ(throughSink({view.substr(0, cut), view.substr(cut)}), dropSeparatorBeforeSuffix(text)) << text;
  }
}

}  // namespace
}  // namespace macbatch
