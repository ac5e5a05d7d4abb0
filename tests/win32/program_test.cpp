#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "child_process.h"
#include "core/platform.h"
#include "win32/wide_text.h"
#include "window/controls.h"

namespace macbatch::win32 {
namespace {

using testing::ChildProcess;

// Paths of the programs next to this one, from the build.
const std::wstring programPath = toWide(MACBATCH_PROGRAM_PATH);
const std::wstring probePath = toWide(MACBATCH_FATAL_PROBE_PATH);
const std::wstring windowTitle = toWide(mainWindowTitle);

HWND controlOf(HWND window, Control control) {
  return GetDlgItem(window, 1001 + static_cast<int>(indexOf(control)));
}

struct CloseRequest {
  const char* name;
  void (*send)(HWND window);
};

TEST(ProgramTest, EveryCloseEndsTheProgramWithZero) {
  const CloseRequest requests[] = {
      {"Esc in the output box",
       [](HWND window) { PostMessageW(controlOf(window, Control::编辑框2), WM_KEYDOWN, VK_ESCAPE, 1); }},
      {"close button", [](HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const CloseRequest& request : requests) {
    SCOPED_TRACE(request.name);
    const std::optional<ChildProcess> child = testing::startChild(programPath);
    ASSERT_TRUE(child.has_value());
    HWND window = testing::waitForWindow(*child, windowTitle);
    ASSERT_TRUE(window);
    request.send(window);
    EXPECT_EQ(testing::waitForExit(*child), 0u);
  }
}

std::wstring controlText(HWND control) {
  wchar_t text[128] = {};
  DWORD_PTR ignored;
  SendMessageTimeoutW(control, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &ignored);
  return text;
}

TEST(ProgramTest, EscDuringABatchOfTheLargestCountEndsTheProgramWithZero) {
  const std::optional<ChildProcess> child = testing::startChild(programPath);
  ASSERT_TRUE(child.has_value());
  HWND window = testing::waitForWindow(*child, windowTitle);
  ASSERT_TRUE(window);
  SendMessageW(controlOf(window, Control::编辑框3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2147483647"));
  PostMessageW(controlOf(window, Control::按钮5), BM_CLICK, 0, 0);

  // Polled, not waited for: the batch has begun once the count goes up.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (controlText(controlOf(window, Control::透明标签3)) != L"当前生成个数：3" &&
         std::chrono::steady_clock::now() < deadline) {
    Sleep(5);
  }
  ASSERT_EQ(controlText(controlOf(window, Control::透明标签3)).substr(0, 7), L"当前生成个数：");
  PostMessageW(controlOf(window, Control::编辑框2), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(testing::waitForExit(*child), 0u);
}

TEST(ProgramTest, FatalReportShowsItsBoxBlocksClicksAndEndsWithMinusOne) {
  const std::optional<ChildProcess> child = testing::startChild(probePath);
  ASSERT_TRUE(child.has_value());
  HWND box = testing::waitForWindow(*child, L"错误");
  ASSERT_TRUE(box);

  // The message text is the box's static control.
  wchar_t text[512] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 512);
  EXPECT_EQ(toUtf8(text), fatalReportText(FatalReport{std::nullopt, "载入启动窗口失败"}));
  EXPECT_TRUE(GetWindowLongW(box, GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);

  // The probe's window is still there, but its click no longer runs the command.
  HWND window = testing::waitForWindow(*child, windowTitle);
  ASSERT_TRUE(window);
  DWORD_PTR ignored;
  SendMessageTimeoutW(controlOf(window, Control::按钮5), BM_CLICK, 0, 0, SMTO_BLOCK, 5000, &ignored);
  wchar_t status[64] = {};
  GetWindowTextW(controlOf(window, Control::透明标签3), status, 64);
  EXPECT_EQ(toUtf8(status), "MAC批量生成");

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(testing::waitForExit(*child), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace macbatch::win32
