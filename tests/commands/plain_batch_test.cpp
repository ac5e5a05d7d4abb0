#include "commands/plain_batch.h"

#include <gtest/gtest.h>

#include "commands/vendor_batch.h"
#include "core/batch_scripts.h"
#include "support/scripted_ticks.h"
#include "window/memory_window.h"

namespace macbatch {
namespace {

using enum Control;
using testing::digits;
using testing::ScriptedTicks;

const Text prefixScript(initialPrefixScript);
const Text suffixScript(initialSuffixScript);

// The entries 3F09A1C7E2, B4D05E6F18 and 7A2C9E0B53.
std::vector<testing::Draw> knownEntries(int count) {
  const std::vector<std::vector<std::int32_t>> entries{
      {3, 15, 0, 9, 10, 1, 12, 7, 14, 2}, {11, 4, 13, 0, 5, 14, 6, 15, 1, 8}, {7, 10, 2, 12, 9, 14, 0, 11, 5, 3}};
  std::vector<testing::Draw> draws;
  for (int entry = 0; entry < count; ++entry) {
    const auto entryDraws = digits(entries[static_cast<std::size_t>(entry)]);
    draws.insert(draws.end(), entryDraws.begin(), entryDraws.end());
  }
  return draws;
}

class PlainBatchTest : public ::testing::Test {
 protected:
  void run() { runPlainBatch(window, state); }
  void chooseContinuousDisplay() { window.click(单选框2); }

  MemoryWindow window;
  RunState state;
};

TEST_F(PlainBatchTest, OneEntryPerLine) {
  ScriptedTicks ticks(knownEntries(3));
  window.type(编辑框3, "3");
  run();
  EXPECT_EQ(window.readText(编辑框2), "3F09A1C7E2\r\nB4D05E6F18\r\n7A2C9E0B53\r\n");
  EXPECT_EQ(window.readText(透明标签3), "当前生成个数：3");
  EXPECT_EQ(state.batchText, window.readText(编辑框2));
  EXPECT_EQ(ticks.unread(), 0u) << "ten reseeds per entry";
}

struct SeparatorCase {
  Text separator;
  Text box;
};

class PlainSeparatorTest : public PlainBatchTest, public ::testing::WithParamInterface<SeparatorCase> {};

TEST_P(PlainSeparatorTest, ContinuousEntriesAreFramedByTheSeparator) {
  ScriptedTicks ticks(knownEntries(2));
  window.type(编辑框3, "2");
  chooseContinuousDisplay();
  window.type(分割编辑框, GetParam().separator);
  run();
  EXPECT_EQ(window.readText(编辑框2), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(Separators, PlainSeparatorTest,
                         ::testing::Values(SeparatorCase{",", ",3F09A1C7E2,,B4D05E6F18,"},
                                           SeparatorCase{"\",\"", "\",\"3F09A1C7E2\",\"\",\"B4D05E6F18\",\""},
                                           SeparatorCase{"", "3F09A1C7E2B4D05E6F18"}));

struct PlainWrappingCase {
  bool prefix;  // 选择框1
  bool suffix;  // 选择框2
  Text box;
};

const Text continuousBatch = "\",\"3F09A1C7E2\",\"\",\"B4D05E6F18\",\"";

class PlainWrappingTest : public PlainBatchTest, public ::testing::WithParamInterface<PlainWrappingCase> {};

TEST_P(PlainWrappingTest, WrapsFromTheUnwrappedBatchEveryTime) {
  const PlainWrappingCase& wrapping = GetParam();
  ScriptedTicks ticks(knownEntries(2));
  window.type(编辑框3, "2");
  chooseContinuousDisplay();
  window.check(选择框1, wrapping.prefix);
  window.check(选择框2, wrapping.suffix);
  window.check(选择框3, true);  // steers the vendor batch only
  run();
  EXPECT_EQ(window.readText(编辑框2), wrapping.box);
  EXPECT_EQ(state.batchText, continuousBatch);
}

INSTANTIATE_TEST_SUITE_P(
    AllFourCombinations, PlainWrappingTest,
    ::testing::Values(PlainWrappingCase{false, false, continuousBatch},
                      PlainWrappingCase{true, false, continuousBatch},
                      PlainWrappingCase{false, true, continuousBatch + suffixScript},
                      PlainWrappingCase{true, true, prefixScript + continuousBatch + suffixScript}));

TEST_F(PlainBatchTest, PrefixAloneWritesTheBatchAnew) {
  window.type(编辑框3, "1");
  window.check(选择框1, true);
  run();
  const auto& writes = window.history(编辑框2);
  ASSERT_GE(writes.size(), 3u);
  EXPECT_EQ(writes[writes.size() - 2], "");
  EXPECT_EQ(writes.back(), state.batchText);
}

TEST_F(PlainBatchTest, SuffixFollowsTheLastLineBreak) {
  ScriptedTicks ticks(knownEntries(1));
  window.type(编辑框3, "1");
  window.check(选择框2, true);
  run();
  EXPECT_EQ(window.readText(编辑框2), "3F09A1C7E2\r\n" + suffixScript);
}

TEST_F(PlainBatchTest, NoEntriesForCountsBelowOne) {
  for (const char* typed : {"0", "-5", "abc", ""}) {
    window.check(选择框2, true);
    window.type(编辑框3, typed);
    run();
    EXPECT_EQ(state.generatedCount, 0) << typed;
    EXPECT_EQ(window.readText(透明标签3), Text("正在准备生成") + typed + "个");
    EXPECT_EQ(window.readText(编辑框2), suffixScript) << "the wrapping runs on the empty batch";
  }
  EXPECT_EQ(window.pausesSoFar(), 0);
}

TEST_F(PlainBatchTest, ProgressIsShownBeforeEachEntrysPause) {
  window.type(编辑框3, "3");
  std::vector<Text> seenDuringPauses;
  for (int pause = 1; pause <= 3; ++pause) {
    window.atPause(pause, [&] { seenDuringPauses.push_back(window.readText(透明标签3)); });
  }
  run();
  EXPECT_EQ(seenDuringPauses, (std::vector<Text>{"当前生成个数：1", "当前生成个数：2", "当前生成个数：3"}));
  EXPECT_EQ(window.readText(编辑框2).size(), 36u);
}

TEST_F(PlainBatchTest, AVendorBatchInsideAPauseCarriesOnTheCount) {
  window.type(编辑框3, "2");
  window.bindings().bind(按钮5, [&] { runVendorBatch(window, state); });
  window.atPause(1, [&] {
    window.type(编辑框3, "1");
    window.click(按钮5);
  });
  run();
  // One vendor address (19 bytes with its line break), then the plain entry
  // that the outer batch still had to make (12 bytes).
  EXPECT_EQ(window.readText(编辑框2).size(), 31u);
  EXPECT_EQ(state.generatedCount, 2);
  EXPECT_EQ(state.batchText, window.readText(编辑框2));
}

TEST_F(PlainBatchTest, ClosingTheWindowDuringAPauseEndsTheBatchWithoutFurtherOutput) {
  window.type(编辑框3, "4");
  window.atPause(1, [&] { window.close(); });
  run();
  EXPECT_EQ(window.history(透明标签3).back(), "当前生成个数：1");
  EXPECT_EQ(window.pausesSoFar(), 1);
  EXPECT_EQ(state.batchText, "");
}

TEST(SingleAddressTest, WritesTheAddressAfterEveryDigit) {
  ScriptedTicks ticks(digits({5, 12, 3, 14, 9, 10, 0, 15, 7, 1}));
  MemoryWindow window;
  runSingleAddress(window);
  EXPECT_EQ(window.readText(编辑框1), "005C3E9A0F71");
  const auto& writes = window.history(编辑框1);
  ASSERT_EQ(writes.size(), 10u);
  EXPECT_EQ(writes.front(), "005");
  EXPECT_TRUE(window.history(编辑框2).empty());
  EXPECT_TRUE(window.history(透明标签3).empty());
}

}  // namespace
}  // namespace macbatch
