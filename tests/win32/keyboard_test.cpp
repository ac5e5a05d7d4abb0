#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "window_fixture.h"

namespace macbatch::win32 {
namespace {

using enum Control;
using testing::HeldKey;
using testing::WindowTest;

class KeyboardTest : public WindowTest {
 protected:
  // Where the focus goes on each of `presses` presses of the key.
  std::vector<std::optional<Control>> walk(UINT key, std::size_t presses) {
    std::vector<std::optional<Control>> visited;
    for (std::size_t i = 0; i < presses; ++i) {
      press(key);
      visited.push_back(focused());
    }
    return visited;
  }

  std::vector<std::optional<Control>> order(std::initializer_list<Control> controls) {
    return {controls.begin(), controls.end()};
  }
};

TEST_F(KeyboardTest, TabWalksTheShownEnabledControlsAndWraps) {
  focus(按钮5);
  EXPECT_EQ(walk(VK_TAB, 14), order({编辑框1, 按钮1, 编辑框2, 编辑框3, 按钮3, 编辑框4, 编辑框5, 单选框1,
                                     单选框2, 编辑框6, 编辑框7, 选择框3, 按钮6, 按钮5}));
  // Tab left the multi-line boxes without typing into them.
  EXPECT_EQ(window().readText(编辑框2), "");
  EXPECT_EQ(window().readText(编辑框6), ":global macs\r\n:set macs []\r\n:set []");
}

TEST_F(KeyboardTest, ShiftTabWalksBackwardAndWraps) {
  focus(按钮5);
  HeldKey shift(VK_SHIFT);
  EXPECT_EQ(walk(VK_TAB, 14), order({按钮6, 选择框3, 编辑框7, 编辑框6, 单选框2, 单选框1, 编辑框5, 编辑框4,
                                     按钮3, 编辑框3, 编辑框2, 按钮1, 编辑框1, 按钮5}));
}

TEST_F(KeyboardTest, EnabledSeparatorBoxJoinsTheOrder) {
  window().setDisabled(分割编辑框, false);
  focus(编辑框5);
  EXPECT_EQ(walk(VK_TAB, 2), order({分割编辑框, 单选框1}));
  HeldKey shift(VK_SHIFT);
  EXPECT_EQ(walk(VK_TAB, 2), order({分割编辑框, 编辑框5}));
}

TEST_F(KeyboardTest, ArrowKeysOnARadioButtonMoveCheckClickAndFocus) {
  std::vector<int> checkedAtClick;
  bindings_.bind(单选框2, [&] { checkedAtClick.push_back(window().isChecked(单选框2)); });

  for (UINT key : {VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP}) {
    SCOPED_TRACE(key);
    checkedAtClick.clear();
    click(单选框1);
    ASSERT_EQ(window().isChecked(单选框1), 1);
    focus(单选框1);

    press(key);
    EXPECT_EQ(window().isChecked(单选框1), 0);
    EXPECT_EQ(window().isChecked(单选框2), 1);
    EXPECT_EQ(focused(), 单选框2);
    EXPECT_EQ(checkedAtClick, std::vector<int>{1});

    press(key);
    EXPECT_EQ(window().isChecked(单选框1), 1);
    EXPECT_EQ(window().isChecked(单选框2), 0);
    EXPECT_EQ(focused(), 单选框1);
  }
}

TEST_F(KeyboardTest, MouseClickOnARadioButtonUnchecksTheOther) {
  int lastChecked = -1;
  bindings_.bind(单选框2, [&] { lastChecked = window().isChecked(单选框2); });
  click(单选框2);
  EXPECT_EQ(window().isChecked(单选框1), 0);
  EXPECT_EQ(window().isChecked(单选框2), 1);
  EXPECT_EQ(lastChecked, 1);
}

struct HeldModifier {
  int modifier;
  UINT key;
  Control start;
};

TEST_F(KeyboardTest, KeysWithAModifierAreNotTheWindows) {
  int clicks = 0;
  bindings_.bind(单选框2, [&] { ++clicks; });
  const HeldModifier cases[] = {
      {VK_CONTROL, VK_TAB, 按钮5},     {VK_CONTROL, VK_ESCAPE, 编辑框2}, {VK_SHIFT, VK_ESCAPE, 编辑框2},
      {VK_CONTROL, VK_RIGHT, 单选框1}, {VK_SHIFT, VK_DOWN, 单选框1},
  };
  for (const HeldModifier& held : cases) {
    SCOPED_TRACE(held.key);
    focus(held.start);
    HeldKey modifier(held.modifier);
    press(held.key);
    EXPECT_TRUE(window().isOpen());
    EXPECT_EQ(focused(), held.start);
    EXPECT_EQ(window().isChecked(单选框1), 1);
    EXPECT_EQ(clicks, 0);
  }
}

TEST_F(KeyboardTest, EnterInAMultiLineBoxBreaksTheLine) {
  focus(编辑框7);
  SendMessageW(handleOf(编辑框7), EM_SETSEL, 2, 2);
  press(VK_RETURN);
  EXPECT_EQ(window().readText(编辑框7), "\")\r\n\r\n:local vindex 0");
  EXPECT_EQ(focused(), 编辑框7);
}

TEST_F(KeyboardTest, SpaceClicksTheFocusedButtonEvenOutsideTheVisibleArea) {
  int clicks = 0;
  bindings_.bind(按钮1, [&] { ++clicks; });
  focus(按钮1);
  PostMessageW(handleOf(按钮1), WM_KEYDOWN, VK_SPACE, 1);
  PostMessageW(handleOf(按钮1), WM_KEYUP, VK_SPACE, 0xC0000001);
  handlePendingEvents(window());
  EXPECT_EQ(clicks, 1);
}

TEST_F(KeyboardTest, EscClosesTheWindowFromAnyControl) {
  focus(编辑框2);
  HWND handle = window().handle();
  press(VK_ESCAPE);
  EXPECT_FALSE(window().isOpen());
  EXPECT_FALSE(IsWindow(handle));
  MSG quit;
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

TEST_F(KeyboardTest, FocusComesBackToTheLastControlOnReactivation) {
  focus(编辑框3);
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(other);
  SetActiveWindow(other);
  ASSERT_TRUE(testing::pollUntil([&] { return GetActiveWindow() == other; }));
  EXPECT_FALSE(focused().has_value());

  SetActiveWindow(window().handle());
  EXPECT_TRUE(testing::pollUntil([&] { return focused() == 编辑框3; }));
  DestroyWindow(other);
}

}  // namespace
}  // namespace macbatch::win32
