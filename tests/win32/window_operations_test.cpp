#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <chrono>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace macbatch::win32 {
namespace {

using enum Control;
using testing::WindowTest;

TEST_F(WindowTest, TextsGoInAndComeOutWhole) {
  const std::pair<Control, std::string_view> cases[] = {
      {编辑框2, "第一行\r\n第二行\r\n"},
      {编辑框2, ""},
      {编辑框3, "７"},
      {透明标签3, "当前生成个数：3"},
  };
  for (const auto& [control, text] : cases) {
    window().writeText(control, text);
    EXPECT_EQ(window().readText(control), text) << modelOf(control).name;
  }
}

TEST_F(WindowTest, WrittenTextPutsTheCaretAtTheStart) {
  window().writeText(编辑框2, "00:11:22\r\n");
  EXPECT_EQ(Edit_GetSel(handleOf(编辑框2)), 0);
}

TEST_F(WindowTest, AppendedTextGoesToTheEndWhateverIsSelected) {
  HWND box = handleOf(编辑框2);
  window().writeText(编辑框2, "AA\r\nBB\r\n");
  focus(编辑框2);
  Edit_SetSel(box, 1, 5);  // as the user selects across a line break

  window().appendText(编辑框2, "CC\r\n");
  EXPECT_EQ(window().readText(编辑框2), "AA\r\nBB\r\nCC\r\n");
  const DWORD selection = static_cast<DWORD>(SendMessageW(box, EM_GETSEL, 0, 0));
  EXPECT_EQ(LOWORD(selection), 12);
  EXPECT_EQ(HIWORD(selection), 12);

  // Not undoable: an undo leaves the box as it is.
  SendMessageW(box, EM_UNDO, 0, 0);
  EXPECT_EQ(window().readText(编辑框2), "AA\r\nBB\r\nCC\r\n");
}

TEST_F(WindowTest, AppendedLinesScrollTheOutputBoxWithoutScrollBars) {
  HWND box = handleOf(编辑框2);
  for (int line = 0; line < 40; ++line) window().appendText(编辑框2, "D8:A2:5E:1F:4E:E9\r\n");
  handlePendingEvents(window());
  EXPECT_GT(Edit_GetFirstVisibleLine(box), 20);
  EXPECT_FALSE(GetWindowStyle(box) & (WS_VSCROLL | WS_HSCROLL));
}

TEST_F(WindowTest, AppendedTextHasNoLengthLimit) {
  // Beyond the 32,767 characters that an edit box takes by default.
  std::string lines;
  for (int i = 0; i < 2000; ++i) lines += "D8:A2:5E:1F:4E:E9,";
  window().appendText(编辑框3, lines);
  window().appendText(编辑框3, "end");
  EXPECT_EQ(window().readText(编辑框3), "20" + lines + "end");
}

TEST_F(WindowTest, DisabledControlsComeBack) {
  window().setDisabled(分割编辑框, false);
  EXPECT_TRUE(IsWindowEnabled(handleOf(分割编辑框)));
  window().setDisabled(按钮3, true);
  EXPECT_FALSE(IsWindowEnabled(handleOf(按钮3)));
}

TEST_F(WindowTest, PauseOfNothingLetsNoClickThrough) {
  int clicks = 0;
  bindings_.bind(按钮3, [&] { ++clicks; });
  for (std::int32_t milliseconds : {0, -5}) {
    PostMessageW(handleOf(按钮3), BM_CLICK, 0, 0);
    EXPECT_EQ(window().pauseWithEvents(milliseconds), WindowState::open);
    EXPECT_EQ(clicks, 0) << milliseconds;
    handlePendingEvents(window());
    EXPECT_EQ(clicks, 1) << "the click was there all along";
    clicks = 0;
  }
}

TEST_F(WindowTest, ClickDuringAPauseRunsNestedAndThePauseGoesOn) {
  std::vector<std::string> steps;
  bindings_.bind(按钮3, [&] { steps.push_back("copy"); });
  bindings_.bind(按钮5, [&] {
    steps.push_back("batch starts");
    PostMessageW(handleOf(按钮3), BM_CLICK, 0, 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(window().pauseWithEvents(60), WindowState::open);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(55));
    steps.push_back("batch goes on");
  });
  click(按钮5);
  EXPECT_EQ(steps, (std::vector<std::string>{"batch starts", "copy", "batch goes on"}));
}

TEST_F(WindowTest, PausedCommandOfAClosedWindowEndsWithoutOutput) {
  std::vector<WindowState> pauses;
  bindings_.bind(按钮5, [&] {
    for (int entry = 0; entry < 5; ++entry) {
      window().appendText(编辑框2, "entry\r\n");
      if (entry == 1) PostMessageW(handleOf(编辑框2), WM_KEYDOWN, VK_ESCAPE, 1);
      const WindowState state = window().pauseWithEvents(entry == 1 ? 10'000 : 20);
      pauses.push_back(state);
      if (state == WindowState::closed) return;
    }
  });
  const auto start = std::chrono::steady_clock::now();
  click(按钮5);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5))
      << "the pause ran out its time";
  EXPECT_EQ(pauses, (std::vector<WindowState>{WindowState::open, WindowState::closed}));

  EXPECT_FALSE(window().isOpen());
  EXPECT_EQ(window().readText(编辑框2), "");
  window().writeText(编辑框2, "ignored");
  window().appendText(编辑框2, "ignored");
  window().setDisabled(分割编辑框, false);
  EXPECT_EQ(window().isChecked(单选框1), 0);
  EXPECT_EQ(window().pauseWithEvents(20), WindowState::closed);

  MSG next;
  ASSERT_TRUE(PeekMessageW(&next, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(next.message, static_cast<UINT>(WM_QUIT)) << "the quit request stays for the event loop";
}

}  // namespace
}  // namespace macbatch::win32
