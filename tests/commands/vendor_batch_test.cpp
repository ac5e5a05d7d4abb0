#include "commands/vendor_batch.h"

#include <gtest/gtest.h>

#include <regex>

#include "core/batch_scripts.h"
#include "core/text_list.h"
#include "core/vendor_table.h"
#include "support/scripted_ticks.h"
#include "window/memory_window.h"

namespace macbatch {
namespace {

using enum Control;
using testing::ScriptedTicks;
using testing::vendorEntry;

const Text prefixScript(initialPrefixScript);
const Text suffixScript(initialSuffixScript);

// Two entries that give "7C:55:E7:0A:F3:91" and "08:00:7A:C4:2E:6B".
std::vector<testing::Draw> twoKnownEntries() {
  return testing::concat({vendorEntry(585, {0, 10, 15, 3, 9, 1}), vendorEntry(2, {12, 4, 2, 14, 6, 11})});
}

class VendorBatchTest : public ::testing::Test {
 protected:
  void SetUp() override { window.type(编辑框3, "2"); }

  void chooseContinuousDisplay() { window.click(单选框2); }
  void run() { runVendorBatch(window, state); }

  MemoryWindow window;
  RunState state;
};

TEST_F(VendorBatchTest, OneAddressPerLine) {
  ScriptedTicks ticks(twoKnownEntries());
  run();
  EXPECT_EQ(window.readText(编辑框2), "7C:55:E7:0A:F3:91\r\n08:00:7A:C4:2E:6B\r\n");
  EXPECT_EQ(window.readText(透明标签3), "当前生成个数：2");
  EXPECT_EQ(state.generatedCount, 2);
  EXPECT_EQ(state.vendorAddress, "08:00:7A:C4:2E:6B");
  EXPECT_EQ(state.batchText, window.readText(编辑框2));
  EXPECT_EQ(ticks.unread(), 0u) << "seven reseeds per entry";
}

TEST_F(VendorBatchTest, ContinuousDisplayFollowsEachAddressWithTheSeparator) {
  ScriptedTicks ticks(twoKnownEntries());
  chooseContinuousDisplay();
  run();
  EXPECT_EQ(window.readText(编辑框2), "7C:55:E7:0A:F3:91\",\"08:00:7A:C4:2E:6B\",\"");
}

TEST_F(VendorBatchTest, BothOrNeitherModeReadAsCheckedAppendBothOrNothingAndStillCount) {
  {
    ScriptedTicks ticks(twoKnownEntries());
    window.check(单选框2, true);  // and 单选框1 stays checked
    run();
    EXPECT_EQ(window.readText(编辑框2),
              "7C:55:E7:0A:F3:91\r\n7C:55:E7:0A:F3:91\",\"08:00:7A:C4:2E:6B\r\n08:00:7A:C4:2E:6B\",\"");
  }
  {
    ScriptedTicks ticks(twoKnownEntries());
    window.check(单选框1, false);
    window.check(单选框2, false);
    run();
    EXPECT_EQ(window.readText(编辑框2), "");
    EXPECT_EQ(state.generatedCount, 2);
    EXPECT_EQ(state.vendorAddress, "08:00:7A:C4:2E:6B");
  }
}

struct WrappingCase {
  bool prefixOnly;     // 选择框1
  bool suffixOnly;     // 选择框2
  bool prefixSuffix;   // 选择框3
  Text box;
  bool batchTextIsBox;  // false: batchText keeps the unwrapped batch
};

const Text batch = "7C:55:E7:0A:F3:91\",\"08:00:7A:C4:2E:6B\",\"";
const Text batchWithSuffix = "7C:55:E7:0A:F3:91\",\"08:00:7A:C4:2E:6B\")\r\n:local vindex 0";

class VendorWrappingTest : public VendorBatchTest, public ::testing::WithParamInterface<WrappingCase> {};

TEST_P(VendorWrappingTest, WrapsTheBatchAsTheCheckBoxesSay) {
  const WrappingCase& wrapping = GetParam();
  ScriptedTicks ticks(twoKnownEntries());
  chooseContinuousDisplay();
  window.check(选择框1, wrapping.prefixOnly);
  window.check(选择框2, wrapping.suffixOnly);
  window.check(选择框3, wrapping.prefixSuffix);
  run();
  EXPECT_EQ(window.readText(编辑框2), wrapping.box);
  EXPECT_EQ(state.batchText, wrapping.batchTextIsBox ? wrapping.box : batch);
}

INSTANTIATE_TEST_SUITE_P(
    AllEightCombinations, VendorWrappingTest,
    ::testing::Values(WrappingCase{false, false, false, batch, true},
                      WrappingCase{true, false, false, prefixScript + batch, false},
                      WrappingCase{false, true, false, batchWithSuffix, true},
                      WrappingCase{true, true, false, batchWithSuffix, true},
                      WrappingCase{false, false, true, prefixScript + batchWithSuffix, true},
                      WrappingCase{true, false, true, prefixScript + batchWithSuffix, true},
                      WrappingCase{false, true, true, prefixScript + batchWithSuffix + suffixScript, true},
                      WrappingCase{true, true, true, prefixScript + batchWithSuffix + suffixScript, true}));

TEST_F(VendorBatchTest, WrappingOfLinesKeepsTheLastLineBreak) {
  ScriptedTicks ticks(twoKnownEntries());
  window.check(选择框3, true);
  run();
  EXPECT_EQ(window.readText(编辑框2),
            prefixScript + "7C:55:E7:0A:F3:91\r\n08:00:7A:C4:2E:6B\r\n" + suffixScript);
}

TEST_F(VendorBatchTest, ChangedSeparatorLeavesNothingToReplace) {
  ScriptedTicks ticks(twoKnownEntries());
  chooseContinuousDisplay();
  window.type(分割编辑框, ",");
  window.check(选择框2, true);
  run();
  EXPECT_EQ(window.readText(编辑框2), "7C:55:E7:0A:F3:91,08:00:7A:C4:2E:6B," + suffixScript);
}

struct CountCase {
  Text typed;
  int entries;
};

class VendorCountTest : public VendorBatchTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(VendorCountTest, StartTextShowsTheCountAsTyped) {
  const CountCase& count = GetParam();
  window.type(编辑框3, count.typed);
  window.writeText(编辑框2, "left over");
  run();
  EXPECT_EQ(window.history(透明标签3).front(), "正在准备生成" + count.typed + "个");
  EXPECT_EQ(state.generatedCount, count.entries);
  EXPECT_EQ(window.pausesSoFar(), count.entries);
  const Text box = window.readText(编辑框2);
  EXPECT_EQ(box.size(), static_cast<std::size_t>(count.entries) * 19);
  if (count.entries == 0) {
    EXPECT_EQ(window.readText(透明标签3), "正在准备生成" + count.typed + "个");
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, VendorCountTest,
                         ::testing::Values(CountCase{"0", 0}, CountCase{"-5", 0}, CountCase{"abc", 0},
                                           CountCase{"", 0}, CountCase{"２０", 20}, CountCase{"3个", 3}));

TEST_F(VendorBatchTest, EmptyBatchStillWrapsWithTheSeparatorBeforeTheSuffixRemoved) {
  window.type(编辑框3, "0");
  window.check(选择框3, true);
  run();
  EXPECT_EQ(window.readText(编辑框2), ":global macs\r\n:set macs []\r\n:set []\")\r\n:local vindex 0");
}

TEST_F(VendorBatchTest, EveryAddressIsATableMemberAndThreeRandomOctets) {
  window.type(编辑框3, "20");
  run();
  const TextList prefixes = splitText(vendorPrefixTable, "\r\n");
  const TextList lines = splitText(window.readText(编辑框2), "\r\n");
  ASSERT_EQ(memberCount(lines), 20);
  const std::regex address("([0-9A-F]{2}:[0-9A-F]{2}:[0-9A-F]{2}):[0-9A-F]{2}:[0-9A-F]{2}:[0-9A-F]{2}");
  for (std::int32_t line = 1; line <= 20; ++line) {
    std::smatch match;
    const Text& entry = memberAt(lines, line);
    ASSERT_TRUE(std::regex_match(entry, match, address)) << entry;
    bool inTable = false;
    for (std::int32_t member = 1; member <= memberCount(prefixes); ++member) {
      inTable = inTable || memberAt(prefixes, member) == match[1].str();
    }
    EXPECT_TRUE(inTable) << entry;
  }
}

TEST_F(VendorBatchTest, ProgressIsShownAfterEachEntrysPause) {
  window.type(编辑框3, "20");
  std::vector<Text> seenDuringPauses;
  for (int pause = 1; pause <= 20; ++pause) {
    window.atPause(pause, [&] { seenDuringPauses.push_back(window.readText(透明标签3)); });
  }
  run();
  std::vector<Text> expectedHistory{"正在准备生成20个"};
  for (int count = 1; count <= 20; ++count) expectedHistory.push_back("当前生成个数：" + std::to_string(count));
  EXPECT_EQ(window.history(透明标签3), expectedHistory);
  expectedHistory.pop_back();
  EXPECT_EQ(seenDuringPauses, expectedHistory);
}

TEST_F(VendorBatchTest, SeparatorChangedDuringAPauseAppliesToTheEntriesAfterIt) {
  ScriptedTicks ticks(twoKnownEntries());
  chooseContinuousDisplay();
  window.atPause(1, [&] { window.type(分割编辑框, ";"); });
  run();
  EXPECT_EQ(window.readText(编辑框2), "7C:55:E7:0A:F3:91\",\"08:00:7A:C4:2E:6B;");
}

TEST_F(VendorBatchTest, TextTypedIntoTheBoxDuringAPauseBecomesPartOfTheBatch) {
  ScriptedTicks ticks(twoKnownEntries());
  window.atPause(1, [&] { window.type(编辑框2, "mine\r\n"); });
  run();
  EXPECT_EQ(state.batchText, "mine\r\n08:00:7A:C4:2E:6B\r\n");
}

TEST_F(VendorBatchTest, ASecondClickRunsAWholeBatchBeforeTheFirstGoesOn) {
  window.type(编辑框3, "3");
  window.bindings().bind(按钮5, [&] { run(); });
  window.atPause(1, [&] {
    window.type(编辑框3, "2");
    window.click(按钮5);
  });
  window.click(按钮5);

  // The inner batch emptied the box and made two entries; the outer one then
  // made its last two, counting on from where the inner one stopped.
  EXPECT_EQ(splitText(window.readText(编辑框2), "\r\n"), splitText(state.batchText, "\r\n"));
  EXPECT_EQ(memberCount(splitText(window.readText(编辑框2), "\r\n")), 4);
  EXPECT_EQ(state.generatedCount, 5);
  EXPECT_EQ(window.readText(透明标签3), "当前生成个数：5");
  EXPECT_EQ(window.pausesSoFar(), 5);
}

TEST_F(VendorBatchTest, ClosingTheWindowDuringAPauseEndsTheBatchWithoutFurtherOutput) {
  window.type(编辑框3, "5");
  window.check(选择框3, true);
  window.atPause(2, [&] { window.close(); });
  run();
  EXPECT_EQ(window.pausesSoFar(), 2);
  EXPECT_EQ(window.history(透明标签3).back(), "当前生成个数：1");
  EXPECT_EQ(window.history(编辑框2).size(), 3u) << "the emptying and two appends, no wrapping";
  EXPECT_EQ(state.batchText, "");
}

TEST_F(VendorBatchTest, ASecondBatchStartsAfresh) {
  run();
  const Text first = window.readText(编辑框2);
  window.type(编辑框3, "1");
  run();
  EXPECT_EQ(window.readText(编辑框2).size(), 19u);
  EXPECT_EQ(state.generatedCount, 1);
  EXPECT_EQ(first.size(), 38u);
}

}  // namespace
}  // namespace macbatch
