// The commands bound to the real window, as the program binds them.

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "clipboard_reader.h"
#include "commands/command_bindings.h"
#include "commands/desktop.h"
#include "core/platform.h"
#include "core/text_list.h"
#include "core/vendor_table.h"
#include "win32/clipboard.h"
#include "win32/wide_text.h"
#include "window/run_state.h"
#include "window_fixture.h"

namespace macbatch::win32 {
namespace {

using enum Control;
using testing::readClipboardItem;
using testing::wideItemBytes;

class CommandsOnWindowTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    bindClickCommands(bindings_, window(), state_);
  }

  // Space goes down and comes up on the focused button, as from the keyboard.
  // The units as the control holds them, past the program's own conversion.
  std::wstring unitsOf(Control control) {
    HWND handle = handleOf(control);
    std::wstring units(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
    const int length = GetWindowTextW(handle, units.data(), static_cast<int>(units.size()));
    units.resize(static_cast<std::size_t>(length));
    return units;
  }

  void pressSpace() {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 1);
    PostMessageW(GetFocus(), WM_KEYUP, VK_SPACE, 0xC0000001);
    handlePendingEvents(window());
  }

  RunState state_;
  ScopedPlatform platform_{Platform{.tickCount = [] { return static_cast<std::uint32_t>(GetTickCount()); }}};
  ScopedDesktop desktop_{Desktop{.copyToClipboard = copyToClipboard}};
};

TEST_F(CommandsOnWindowTest, BatchOfTheInitialCountFillsTwentyLinesOfTableAddresses) {
  click(按钮5);  // returns once the batch has run to its end

  const TextList lines = splitText(window().readText(编辑框2), "\r\n");
  ASSERT_EQ(memberCount(lines), 20);
  const std::regex address("([0-9A-F]{2}:[0-9A-F]{2}:[0-9A-F]{2}):[0-9A-F]{2}:[0-9A-F]{2}:[0-9A-F]{2}");
  for (std::int32_t line = 1; line <= memberCount(lines); ++line) {
    const Text& entry = memberAt(lines, line);
    std::smatch match;
    ASSERT_TRUE(std::regex_match(entry, match, address)) << entry;
    EXPECT_NE(vendorPrefixTable.find(match[1].str()), std::string_view::npos) << entry;
  }
  EXPECT_EQ(window().readText(透明标签3), "当前生成个数：20");
  EXPECT_EQ(state_.generatedCount, 20);
}

TEST_F(CommandsOnWindowTest, CopyPutsTheBoxInBothFormatsAndReportsTheCount) {
  ASSERT_EQ(GetACP(), 936u) << "the tests run with the GBK code page";
  const struct {
    Text box;
    std::string ansi;
  } cases[] = {
      {":global macs\r\n:set macs []\r\n前后缀", ":global macs\r\n:set macs []\r\n\xC7\xB0\xBA\xF3\xD7\xBA"},
      {"", ""},
  };
  for (const auto& c : cases) {
    window().writeText(编辑框2, c.box);
    click(按钮3);
    const auto plain = readClipboardItem(CF_TEXT);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->bytes, c.ansi + '\0');
    const auto wide = readClipboardItem(CF_UNICODETEXT);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->bytes, wideItemBytes(toWide(window().readText(编辑框2))));
    EXPECT_EQ(window().readText(透明标签3), "已复制MAC地址共：0个");
  }
}

// A paste of broken text can leave lone surrogates in a box. The wrapping, the
// separator clean-up and the copy keep them, unit for unit; only the ANSI
// form, which cannot hold them, shows '?'.
TEST_F(CommandsOnWindowTest, LoneSurrogatesInTheWrappingReachTheClipboardUnchanged) {
  ASSERT_EQ(GetACP(), 936u) << "the tests run with the GBK code page";
  // The prefix holds a lone low surrogate and ends in a high one, which the
  // first address follows. The suffix starts where the clean-up drops the
  // last separator, and holds a reversed pair and a high one at its end.
  const std::wstring prefix = L"前\xDC00[\xD800";
  const std::wstring suffix = L"\")\xDC00\xD800\r\n\xDBFF";
  SetWindowTextW(handleOf(编辑框6), prefix.c_str());
  SetWindowTextW(handleOf(编辑框7), suffix.c_str());
  window().writeText(编辑框3, "2");
  click(单选框2);
  click(选择框3);
  click(按钮5);
  click(按钮3);

  const std::wstring box = unitsOf(编辑框2);
  ASSERT_TRUE(box.starts_with(prefix) && box.ends_with(suffix)) << toUtf8(box);
  const std::wstring addresses = box.substr(prefix.size(), box.size() - prefix.size() - suffix.size());
  const std::string ascii(addresses.begin(), addresses.end());
  const std::regex twoAddresses(R"(([0-9A-F]{2}:){5}[0-9A-F]{2}","([0-9A-F]{2}:){5}[0-9A-F]{2})");
  EXPECT_TRUE(std::regex_match(ascii, twoAddresses)) << ascii;

  const auto wide = readClipboardItem(CF_UNICODETEXT);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->bytes, wideItemBytes(box));
  const auto plain = readClipboardItem(CF_TEXT);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->bytes, "\xC7\xB0?[?" + ascii + "\")??\r\n?" + '\0');
}

TEST_F(CommandsOnWindowTest, ClickOnContinuousDisplayEnablesTheSeparatorBox) {
  ASSERT_FALSE(window().takesFocus(分割编辑框));
  click(单选框2);
  EXPECT_TRUE(window().takesFocus(分割编辑框));
}

TEST_F(CommandsOnWindowTest, ArrowKeyOntoContinuousDisplayEnablesTheSeparatorBox) {
  focus(单选框1);
  press(VK_RIGHT);
  EXPECT_EQ(window().isChecked(单选框2), 1);
  EXPECT_TRUE(window().takesFocus(分割编辑框));
}

TEST_F(CommandsOnWindowTest, SingleAddressIsReachedWithTabAndSpace) {
  focus(按钮5);
  press(VK_TAB);
  press(VK_TAB);
  ASSERT_EQ(focused(), 按钮1);
  pressSpace();
  const Text address = window().readText(编辑框1);
  EXPECT_TRUE(std::regex_match(address, std::regex("00[0-9A-F]{10}"))) << address;
}

}  // namespace
}  // namespace macbatch::win32
