#include "window/memory_window.h"

#include <gtest/gtest.h>

#include "core/exit_routines.h"
#include "window/run_state.h"

namespace macbatch {
namespace {

using enum Control;

TEST(MemoryWindowTest, StartsWithTheInitialStates) {
  MemoryWindow window;
  EXPECT_EQ(window.readText(编辑框3), "20");
  EXPECT_EQ(window.readText(分割编辑框), "\",\"");
  EXPECT_EQ(window.readText(编辑框6), ":global macs\r\n:set macs []\r\n:set []");
  EXPECT_EQ(window.readText(透明标签3), "MAC批量生成");
  EXPECT_EQ(window.readText(编辑框2), "");
  EXPECT_EQ(window.isChecked(单选框1), 1);
  for (Control unchecked : {单选框2, 选择框1, 选择框2, 选择框3}) EXPECT_EQ(window.isChecked(unchecked), 0);
  for (Control disabled : {分割编辑框, 按钮2}) EXPECT_TRUE(window.isDisabled(disabled));
  for (Control hidden : {按钮4, 选择框1, 选择框2, 组合框1}) EXPECT_FALSE(window.isShown(hidden));
}

TEST(MemoryWindowTest, PausesOfZeroOrLessLetNothingThrough) {
  MemoryWindow window;
  bool ran = false;
  window.atPause(1, [&] { ran = true; });
  for (std::int32_t milliseconds : {0, -5}) EXPECT_EQ(window.pauseWithEvents(milliseconds), WindowState::open);
  EXPECT_FALSE(ran);
  EXPECT_EQ(window.pauseWithEvents(20), WindowState::open);
  EXPECT_TRUE(ran);
}

TEST(MemoryWindowTest, NestedPausesCountOnAndRunTheirOwnEvents) {
  MemoryWindow window;
  std::vector<int> order;
  window.atPause(1, [&] {
    order.push_back(1);
    (void)window.pauseWithEvents(20);
    order.push_back(3);
  });
  window.atPause(2, [&] { order.push_back(2); });
  (void)window.pauseWithEvents(20);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(MemoryWindowTest, AClosedWindowTellsThePauseAndIgnoresTheOperations) {
  MemoryWindow window;
  window.atPause(1, [&] { window.close(); });
  EXPECT_EQ(window.pauseWithEvents(20), WindowState::closed);
  window.writeText(编辑框2, "late");
  window.appendText(编辑框2, "late");
  EXPECT_EQ(window.readText(编辑框3), "");
  EXPECT_TRUE(window.history(编辑框2).empty());
  EXPECT_FALSE(window.click(按钮5));
}

TEST(ExitRoutineListTest, RunsEachRoutineOnceInOrderOfRegistration) {
  static std::vector<int> ran;
  ran.clear();
  ExitRoutineList routines;
  routines.add([] { ran.push_back(1); });
  const ExitRoutine second = [] { ran.push_back(2); };
  routines.add(second);
  routines.add(second);
  routines.runAll();
  routines.runAll();
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST(ExitRoutineListTest, ClearedListRunsNothing) {
  static int runs = 0;
  ExitRoutineList routines;
  routines.add([] { ++runs; });
  routines.clear();
  routines.runAll();
  EXPECT_EQ(runs, 0);
}

TEST(RunStateTest, ReleaseEmptiesTheTextsAndKeepsTheCount) {
  RunState state{.generatedCount = 3, .batchText = "batch", .vendorAddress = "08:00:79:00:00:00"};
  releaseRunState(state);
  EXPECT_EQ(state.batchText, "");
  EXPECT_EQ(state.vendorAddress, "");
  EXPECT_EQ(state.generatedCount, 3);
}

}  // namespace
}  // namespace macbatch
