#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/wide_text.h"
#include "window_fixture.h"

namespace macbatch::win32 {
namespace {

using enum Control;
using testing::WindowTest;

struct InitialState {
  Control control;
  std::string_view text;
  bool shown;
  bool enabled;
  int checked;
};

TEST_F(WindowTest, ControlsStartWithTheirTextsAndStates) {
  const InitialState expected[] = {
      {编辑框2, "", true, true, 0},
      {编辑框3, "20", true, true, 0},
      {分割编辑框, "\",\"", true, false, 0},
      {编辑框6, ":global macs\r\n:set macs []\r\n:set []", true, true, 0},
      {编辑框7, "\")\r\n:local vindex 0", true, true, 0},
      {编辑框1, "", true, true, 0},
      {编辑框4, "", true, true, 0},
      {编辑框5, "", true, true, 0},
      {按钮5, "随机厂商", true, true, 0},
      {按钮2, "随机", true, false, 0},
      {按钮3, "复制", true, true, 0},
      {按钮6, "查询", true, true, 0},
      {按钮1, "随机生成MAC地址", true, true, 0},
      {按钮4, "按钮", false, true, 0},
      {单选框1, "单行显示", true, true, 1},
      {单选框2, "连续显示", true, true, 0},
      {选择框3, "前后缀", true, true, 0},
      {选择框1, "前缀", false, true, 0},
      {选择框2, "后缀", false, true, 0},
      {组合框1, ":", false, true, 0},
      {透明标签3, "MAC批量生成", true, true, 0},
      {透明标签4, "个数：", true, true, 0},
      {透明标签5, "分割符号:", true, true, 0},
      {透明标签1, "前", true, true, 0},
      {透明标签2, "后", true, true, 0},
  };
  for (const InitialState& state : expected) {
    SCOPED_TRACE(modelOf(state.control).name);
    HWND handle = handleOf(state.control);
    EXPECT_EQ(window().readText(state.control), state.text);
    EXPECT_EQ((GetWindowStyle(handle) & WS_VISIBLE) != 0, state.shown);
    EXPECT_EQ(IsWindowEnabled(handle) != FALSE, state.enabled);
    if (isCheckable(state.control)) {
      EXPECT_EQ(window().isChecked(state.control), state.checked);
    }
  }
  EXPECT_EQ(focused(), 按钮5);

  HWND combo = handleOf(组合框1);
  ASSERT_EQ(ComboBox_GetCount(combo), 3);
  const wchar_t* items[] = {L":", L"-", L"无"};
  for (int i = 0; i < 3; ++i) {
    wchar_t item[8] = {};
    ComboBox_GetLBText(combo, i, item);
    EXPECT_STREQ(item, items[i]);
  }
  EXPECT_EQ(ComboBox_GetCurSel(combo), CB_ERR);
}

TEST_F(WindowTest, WindowIsCentredOnTheFullScreenWithItsFixedSize) {
  wchar_t title[64] = {};
  GetWindowTextW(window().handle(), title, 64);
  EXPECT_EQ(toUtf8(title), "Mac批量生成   栖桐");

  RECT outer;
  GetWindowRect(window().handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, 331);
  EXPECT_EQ(outer.bottom - outer.top, 580);
  if (GetSystemMetrics(SM_CXSCREEN) != 1920 || GetSystemMetrics(SM_CYSCREEN) != 1080) {
    GTEST_SKIP() << "the place is checked on a 1920 x 1080 screen";
  }
  EXPECT_EQ(outer.left, 794);
  EXPECT_EQ(outer.top, 250);

  const DWORD style = GetWindowStyle(window().handle());
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
}

struct Place {
  Control control;
  int left, top, width, height;
};

TEST_F(WindowTest, ControlsSitWhereTheLayoutPutsThem) {
  const Place expected[] = {
      {编辑框2, -2, 0, 330, 384},    {按钮4, 216, 360, 80, 16},     {选择框3, 0, 396, 56, 24},
      {编辑框6, 58, 396, 264, 24},   {编辑框7, 57, 426, 265, 24},   {选择框1, -7, 441, 48, 18},
      {透明标签3, 16, 454, 296, 24}, {选择框2, -7, 461, 48, 18},    {单选框1, 24, 480, 72, 16},
      {单选框2, 112, 480, 72, 16},   {透明标签5, 197, 480, 59, 18}, {分割编辑框, 259, 480, 29, 24},
      {透明标签4, 8, 515, 32, 24},   {编辑框3, 53, 511, 56, 32},    {按钮5, 112, 512, 56, 32},
      {按钮2, 167, 512, 64, 32},     {按钮3, 230, 512, 64, 32},     {按钮6, 296, 512, 24, 32},
      {透明标签1, 352, 336, 16, 24}, {透明标签2, 352, 368, 16, 24}, {编辑框4, 376, 328, 96, 32},
      {编辑框5, 376, 368, 96, 32},   {按钮1, 673, 216, 250, 40},    {编辑框1, 672, 296, 248, 48},
  };
  for (const Place& place : expected) {
    SCOPED_TRACE(modelOf(place.control).name);
    RECT area;
    GetWindowRect(handleOf(place.control), &area);
    MapWindowRect(HWND_DESKTOP, window().handle(), &area);
    EXPECT_EQ(area.left, place.left);
    EXPECT_EQ(area.top, place.top);
    EXPECT_EQ(area.right - area.left, place.width);
    EXPECT_EQ(area.bottom - area.top, place.height);
  }

  // The combo box keeps the height of its edit part; how much of the 160 it
  // was created with shows in its dropped rectangle differs between Windows
  // and Wine, so compare with a combo box made 160 high here.
  HWND combo = handleOf(组合框1);
  RECT edit;
  GetWindowRect(combo, &edit);
  MapWindowRect(HWND_DESKTOP, window().handle(), &edit);
  EXPECT_EQ(edit.left, 120);
  EXPECT_EQ(edit.top, 336);
  EXPECT_EQ(edit.right - edit.left, 128);
  HWND reference = CreateWindowExW(0, WC_COMBOBOXW, L"", GetWindowStyle(combo) & ~WS_VISIBLE, 0, 0, 128, 160,
                                   window().handle(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(reference);
  SetWindowFont(reference, GetWindowFont(combo), FALSE);
  RECT dropped, droppedAt160;
  SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  SendMessageW(reference, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&droppedAt160));
  EXPECT_EQ(dropped.bottom - dropped.top, droppedAt160.bottom - droppedAt160.top);
  DestroyWindow(reference);
}

TEST_F(WindowTest, ControlsAreStackedFromTheTopDown) {
  const std::vector<Control> expected = {
      按钮6,      选择框3, 选择框2, 选择框1,   编辑框7,   编辑框6,   单选框2,   单选框1, 透明标签5,
      分割编辑框, 按钮4,   组合框1, 透明标签4, 透明标签3, 透明标签2, 透明标签1, 编辑框5, 编辑框4,
      按钮3,      编辑框3, 按钮2,   编辑框2,   按钮1,     编辑框1,   按钮5,
  };
  std::vector<Control> stacked;
  for (HWND child = GetWindow(window().handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::optional<Control> control = window().controlOf(child);
    ASSERT_TRUE(control.has_value());
    stacked.push_back(*control);
  }
  EXPECT_EQ(stacked, expected);
}

TEST_F(WindowTest, ControlsCanBeFoundFromOutsideByIdentifier) {
  for (const ControlModel& model : controlModels) {
    EXPECT_EQ(GetDlgItem(window().handle(), 1001 + static_cast<int>(indexOf(model.control))),
              handleOf(model.control))
        << model.name;
  }
}

LOGFONTW fontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(GetWindowFont(control), sizeof font, &font);
  return font;
}

TEST_F(WindowTest, OutputBoxesHaveTheirOwnFontsAndTheRestTheDefault) {
  const LOGFONTW output = fontOf(handleOf(编辑框2));
  EXPECT_EQ(output.lfHeight, -29);
  EXPECT_EQ(output.lfWeight, FW_NORMAL);
  EXPECT_STREQ(output.lfFaceName, L"");
  const LOGFONTW single = fontOf(handleOf(编辑框1));
  EXPECT_EQ(single.lfHeight, -35);
  EXPECT_STREQ(single.lfFaceName, L"宋体");
  EXPECT_EQ(single.lfQuality, PROOF_QUALITY);

  const HFONT defaultGui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (Control control : {编辑框3, 编辑框6, 按钮5, 单选框1, 选择框3, 组合框1, 透明标签3}) {
    EXPECT_EQ(GetWindowFont(handleOf(control)), defaultGui) << modelOf(control).name;
  }
}

TEST_F(WindowTest, NoControlStartsAGroup) {
  for (const ControlModel& model : controlModels) {
    EXPECT_FALSE(GetWindowStyle(handleOf(model.control)) & WS_GROUP) << model.name;
  }
}

RECT placeOf(HWND parent, HWND control) {
  RECT area;
  GetWindowRect(control, &area);
  MapWindowRect(HWND_DESKTOP, parent, &area);
  return area;
}

// A label paints the window's background itself, which is right only where
// nothing else would show through it.
TEST_F(WindowTest, TransparentLabelsCoverNoShownControl) {
  for (const ControlModel& label : controlModels) {
    if (label.kind != ControlKind::transparentLabel) continue;
    const RECT labelArea = placeOf(window().handle(), handleOf(label.control));
    for (const ControlModel& other : controlModels) {
      if (other.control == label.control || !IsWindowVisible(handleOf(other.control))) continue;
      const RECT otherArea = placeOf(window().handle(), handleOf(other.control));
      RECT overlap;
      EXPECT_FALSE(IntersectRect(&overlap, &labelArea, &otherArea)) << label.name << " covers " << other.name;
    }
  }
}

// Every pixel of the label's area as the screen shows it.
std::vector<COLORREF> pixelsUnder(HWND parent, HWND control) {
  RECT area;
  GetWindowRect(control, &area);
  MapWindowRect(HWND_DESKTOP, parent, &area);
  HDC dc = GetDC(parent);
  std::vector<COLORREF> pixels;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  ReleaseDC(parent, dc);
  return pixels;
}

TEST_F(WindowTest, ChangedLabelTextLeavesNoTraceOfTheOldOne) {
  HWND label = handleOf(透明标签3);
  window().writeText(透明标签3, "");
  handlePendingEvents(window());
  const std::vector<COLORREF> blank = pixelsUnder(window().handle(), label);
  ASSERT_FALSE(blank.empty());
  EXPECT_EQ(std::count(blank.begin(), blank.end(), GetSysColor(COLOR_BTNFACE)), std::ssize(blank))
      << "the empty label shows the window's background";

  window().writeText(透明标签3, "当前生成个数：8888888888888888");
  handlePendingEvents(window());
  ASSERT_NE(pixelsUnder(window().handle(), label), blank) << "the text was never drawn";

  window().writeText(透明标签3, "");
  handlePendingEvents(window());
  EXPECT_EQ(pixelsUnder(window().handle(), label), blank);
}

}  // namespace
}  // namespace macbatch::win32
