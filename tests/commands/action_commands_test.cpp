#include <gtest/gtest.h>

#include <optional>

#include "commands/command_bindings.h"
#include "commands/copy_command.h"
#include "commands/desktop.h"
#include "commands/lookup_command.h"
#include "commands/separator_toggle.h"
#include "commands/vendor_batch.h"
#include "window/memory_window.h"

namespace macbatch {
namespace {

using enum Control;

// A clipboard that can be held open by another program.
struct FakeClipboard {
  std::optional<Text> content;
  int copies = 0;
  bool heldElsewhere = false;

  Desktop services() {
    return Desktop{.copyToClipboard = [this](std::string_view text) {
      ++copies;
      if (heldElsewhere) return false;
      content = Text(text);
      return true;
    }};
  }
};

class ActionCommandsTest : public ::testing::Test {
 protected:
  ActionCommandsTest() : desktop_(clipboard.services()) { bindClickCommands(window.bindings(), window, state); }

  FakeClipboard clipboard;
  MemoryWindow window;
  RunState state;

 private:
  ScopedDesktop desktop_;
};

TEST_F(ActionCommandsTest, CopyBeforeAnyBatchReportsZero) {
  window.click(按钮3);
  EXPECT_EQ(clipboard.content, Text());
  EXPECT_EQ(window.readText(透明标签3), "已复制MAC地址共：0个");
}

TEST_F(ActionCommandsTest, CopyTakesTheEditedBoxAndReportsTheLastBatchsCount) {
  window.click(按钮5);
  window.type(编辑框2, "中文\r\n前缀");
  window.click(按钮3);
  EXPECT_EQ(clipboard.content, Text("中文\r\n前缀"));
  EXPECT_EQ(window.readText(透明标签3), "已复制MAC地址共：20个");
}

TEST_F(ActionCommandsTest, ReportIsWrittenWhenTheClipboardCannotBeOpened) {
  clipboard.content = "theirs";
  clipboard.heldElsewhere = true;
  state.generatedCount = 7;
  window.click(按钮3);
  EXPECT_EQ(clipboard.copies, 1);
  EXPECT_EQ(clipboard.content, Text("theirs"));
  EXPECT_EQ(window.readText(透明标签3), "已复制MAC地址共：7个");
}

TEST_F(ActionCommandsTest, CopyDuringABatchTakesTheEntriesSoFar) {
  window.type(编辑框3, "3");
  std::optional<Text> reportDuringPause;
  window.atPause(2, [&] {
    window.click(按钮3);
    reportDuringPause = window.readText(透明标签3);
  });
  window.click(按钮5);
  ASSERT_TRUE(clipboard.content);
  EXPECT_EQ(clipboard.content->size(), 2u * 19u);
  EXPECT_EQ(reportDuringPause, Text("已复制MAC地址共：1个")) << "counted after the pause";
  EXPECT_EQ(window.readText(透明标签3), "当前生成个数：3") << "the batch's progress replaces the report";
}

TEST_F(ActionCommandsTest, ChoosingContinuousDisplayDuringABatchAppliesToTheEntriesAfterIt) {
  window.type(编辑框3, "2");
  window.atPause(1, [&] { window.click(单选框2); });
  window.click(按钮5);
  const Text box = window.readText(编辑框2);
  ASSERT_EQ(box.size(), 19u + 20u);
  EXPECT_EQ(box.substr(17, 2), "\r\n");
  EXPECT_EQ(box.substr(36), "\",\"");
  EXPECT_EQ(box.substr(19, 17), state.vendorAddress);
  EXPECT_FALSE(window.isDisabled(分割编辑框));
}

TEST_F(ActionCommandsTest, LookupOpensTheSamePageWhateverTheWindowHolds) {
  std::vector<Text> opened;
  ScopedDesktop browser(Desktop{.openInBrowser = [&](std::string_view url) { opened.emplace_back(url); }});
  window.type(编辑框2, "AA:BB:CC:DD:EE:FF");
  window.click(按钮6);
  window.click(按钮6);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], opened[1]);
  EXPECT_TRUE(opened[0].starts_with("https://"));
  EXPECT_TRUE(opened[0].ends_with("/D8:A2:5E:1F:4E:E9__mac/"));
  EXPECT_TRUE(window.history(透明标签3).empty());
}

TEST_F(ActionCommandsTest, ContinuousDisplayEnablesTheSeparatorBoxForGood) {
  ASSERT_TRUE(window.isDisabled(分割编辑框));
  window.click(单选框2);
  EXPECT_FALSE(window.isDisabled(分割编辑框));
  EXPECT_EQ(window.isChecked(单选框1), 0);
  window.click(单选框1);
  EXPECT_FALSE(window.isDisabled(分割编辑框));
}

TEST_F(ActionCommandsTest, SeparatorToggleDoesNothingWhileContinuousDisplayIsNotChosen) {
  runSeparatorToggle(window);
  EXPECT_TRUE(window.isDisabled(分割编辑框));
}

TEST_F(ActionCommandsTest, TheDisabledAndHiddenButtonsTakeNoClick) {
  EXPECT_FALSE(window.click(按钮2));
  EXPECT_FALSE(window.click(按钮4));
  EXPECT_TRUE(window.bindings().isBound(按钮2));
  EXPECT_TRUE(window.bindings().isBound(按钮4));
}

}  // namespace
}  // namespace macbatch
