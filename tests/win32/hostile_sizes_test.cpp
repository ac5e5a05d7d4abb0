// The batch commands on the real window with texts and counts far beyond
// everyday use: they end, and the output box holds exactly what they made.

#include <gtest/gtest.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <regex>

#include "commands/command_bindings.h"
#include "core/platform.h"
#include "core/text_list.h"
#include "window/run_state.h"
#include "window_fixture.h"

namespace macbatch::win32 {
namespace {

using enum Control;

const std::regex address("[0-9A-F]{2}(:[0-9A-F]{2}){5}");

// The real window with every pause cut to at most `pauseLimit` (none at all
// for 0), so that a long batch runs in seconds; all else goes to the window as
// it is.
class ShortPauses final : public MainWindow {
 public:
  explicit ShortPauses(MainWindow& window) : window_(window) {}
  std::int32_t pauseLimit = 20;

  Text readText(Control control) override { return window_.readText(control); }
  void writeText(Control control, std::string_view text) override { window_.writeText(control, text); }
  int isChecked(Control control) override { return window_.isChecked(control); }
  void setDisabled(Control control, bool disabled) override { window_.setDisabled(control, disabled); }
  void appendText(Control control, std::string_view text) override { window_.appendText(control, text); }
  WindowState pauseWithEvents(std::int32_t milliseconds) override {
    return window_.pauseWithEvents(std::min(milliseconds, pauseLimit));
  }

 private:
  MainWindow& window_;
};

class HostileSizesTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    pauses_ = std::make_unique<ShortPauses>(window());
    bindClickCommands(bindings_, *pauses_, state_);
  }

  void runBatch(int count, bool continuous, bool wrapped) {
    Button_SetCheck(handleOf(单选框1), continuous ? BST_UNCHECKED : BST_CHECKED);
    Button_SetCheck(handleOf(单选框2), continuous ? BST_CHECKED : BST_UNCHECKED);
    Button_SetCheck(handleOf(选择框3), wrapped ? BST_CHECKED : BST_UNCHECKED);
    window().writeText(编辑框3, std::to_string(count));
    click(按钮5);  // returns once the batch has run to its end
  }

  std::unique_ptr<ShortPauses> pauses_;
  RunState state_;
  ScopedPlatform platform_{Platform{.tickCount = [] { return static_cast<std::uint32_t>(GetTickCount()); }}};
};

std::string repeated(std::string_view part, std::size_t length) {
  std::string text;
  while (text.size() < length) text += part;
  return text;
}

TEST_F(HostileSizesTest, PrefixAndSuffixOfAMegabyteEachWrapTheBatch) {
  const std::string prefix = repeated(":put a\r\n", 1 << 20) + ":set []";
  const std::string suffix = "\")" + repeated("\r\n:put b", 1 << 20);
  window().writeText(编辑框6, prefix);
  window().writeText(编辑框7, suffix);
  runBatch(2, true, true);

  const Text box = window().readText(编辑框2);
  ASSERT_EQ(box.size(), prefix.size() + 17 + 3 + 17 + suffix.size());
  EXPECT_TRUE(box.starts_with(prefix));
  EXPECT_TRUE(box.ends_with(suffix));
  const std::string middle = box.substr(prefix.size(), 37);
  EXPECT_TRUE(std::regex_match(middle, std::regex("([0-9A-F]{2}:){5}[0-9A-F]{2}\",\"([0-9A-F]{2}:){5}[0-9A-F]{2}")))
      << middle;
}

TEST_F(HostileSizesTest, SeparatorOfAHundredThousandCharactersFollowsEveryEntry) {
  const std::string separator = repeated("-|", 100'000);
  window().writeText(分割编辑框, separator);
  runBatch(2, true, false);

  const Text box = window().readText(编辑框2);
  ASSERT_EQ(box.size(), 2 * (17 + separator.size()));
  for (std::size_t entry = 0; entry < 2; ++entry) {
    const std::size_t start = entry * (17 + separator.size());
    EXPECT_TRUE(std::regex_match(box.substr(start, 17), address)) << box.substr(start, 17);
    EXPECT_EQ(box.compare(start + 17, separator.size(), separator), 0) << entry;
  }
}

TEST_F(HostileSizesTest, TenThousandEntryBatchEndsWithEveryLineInTheBox) {
  pauses_->pauseLimit = 0;
  runBatch(10'000, false, false);

  const TextList lines = splitText(window().readText(编辑框2), "\r\n");
  ASSERT_EQ(memberCount(lines), 10'000);
  for (std::int32_t line = 1; line <= memberCount(lines); ++line) {
    ASSERT_TRUE(std::regex_match(memberAt(lines, line), address)) << line << ": " << memberAt(lines, line);
  }
  EXPECT_EQ(window().readText(透明标签3), "当前生成个数：10000");
}

}  // namespace
}  // namespace macbatch::win32
