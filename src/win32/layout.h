#pragma once
// Where every control of the main window sits and how it looks.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <array>
#include <cstdint>

#include "window/controls.h"

namespace macbatch::win32 {

struct Placement {
  int left;
  int top;
  int width;
  int height;
};

enum class FontChoice : std::uint8_t { defaultGui, outputBox, singleAddress };

struct ControlLayout {
  Control control;
  const wchar_t* className;
  DWORD style;  // without WS_VISIBLE and WS_DISABLED: those follow the control's model
  DWORD exStyle;
  Placement place;  // client coordinates
  FontChoice font;
};

struct WindowLayout {
  DWORD style;
  DWORD exStyle;
  int width;  // outer size, frame and caption included
  int height;
};

inline constexpr WindowLayout mainWindowLayout{
    .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
    .exStyle = 0,
    .width = 331,
    .height = 580,
};

// Identifiers start here, in enumerator order, so that GetDlgItem finds each
// control from outside as well.
inline constexpr int firstControlId = 1001;
constexpr int controlId(Control control) { return firstControlId + static_cast<int>(indexOf(control)); }

namespace look {
inline constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
inline constexpr DWORD multiLineEdit = child | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
inline constexpr DWORD singleLineEdit = child | WS_TABSTOP | ES_AUTOHSCROLL;
inline constexpr DWORD pushButton = child | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE;
inline constexpr DWORD checkBox = child | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE;
inline constexpr DWORD radioButton = child | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_MULTILINE;
inline constexpr DWORD comboBox = child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
inline constexpr DWORD label = child | SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE;
inline constexpr DWORD edge = WS_EX_CLIENTEDGE;
}  // namespace look

// In creation order, the reverse of the stacking order: the first row ends up
// at the bottom, the last on top.
inline constexpr std::array<ControlLayout, controlCount> controlLayouts = [] {
  using enum Control;
  using enum FontChoice;
  using namespace look;
  return std::array<ControlLayout, controlCount>{{
      {按钮5, WC_BUTTONW, pushButton, 0, {112, 512, 56, 32}, defaultGui},
      {编辑框1, WC_EDITW, singleLineEdit, edge, {672, 296, 248, 48}, singleAddress},
      {按钮1, WC_BUTTONW, pushButton, 0, {673, 216, 250, 40}, defaultGui},
      {编辑框2, WC_EDITW, multiLineEdit, edge, {-2, 0, 330, 384}, outputBox},
      {按钮2, WC_BUTTONW, pushButton, 0, {167, 512, 64, 32}, defaultGui},
      {编辑框3, WC_EDITW, singleLineEdit | ES_CENTER, edge, {53, 511, 56, 32}, defaultGui},
      {按钮3, WC_BUTTONW, pushButton, 0, {230, 512, 64, 32}, defaultGui},
      {编辑框4, WC_EDITW, singleLineEdit, edge, {376, 328, 96, 32}, defaultGui},
      {编辑框5, WC_EDITW, singleLineEdit, edge, {376, 368, 96, 32}, defaultGui},
      {透明标签1, WC_STATICW, label, 0, {352, 336, 16, 24}, defaultGui},
      {透明标签2, WC_STATICW, label, 0, {352, 368, 16, 24}, defaultGui},
      {透明标签3, WC_STATICW, label | SS_CENTER, 0, {16, 454, 296, 24}, defaultGui},
      {透明标签4, WC_STATICW, label, 0, {8, 515, 32, 24}, defaultGui},
      // Created with its list: the edit part alone is 20 high.
      {组合框1, WC_COMBOBOXW, comboBox, 0, {120, 336, 128, 160}, defaultGui},
      {按钮4, WC_BUTTONW, pushButton, 0, {216, 360, 80, 16}, defaultGui},
      {分割编辑框, WC_EDITW, singleLineEdit | ES_CENTER, edge, {259, 480, 29, 24}, defaultGui},
      {透明标签5, WC_STATICW, label, 0, {197, 480, 59, 18}, defaultGui},
      {单选框1, WC_BUTTONW, radioButton, 0, {24, 480, 72, 16}, defaultGui},
      {单选框2, WC_BUTTONW, radioButton, 0, {112, 480, 72, 16}, defaultGui},
      {编辑框6, WC_EDITW, multiLineEdit, edge, {58, 396, 264, 24}, defaultGui},
      {编辑框7, WC_EDITW, multiLineEdit, edge, {57, 426, 265, 24}, defaultGui},
      {选择框1, WC_BUTTONW, checkBox, 0, {-7, 441, 48, 18}, defaultGui},
      {选择框2, WC_BUTTONW, checkBox, 0, {-7, 461, 48, 18}, defaultGui},
      {选择框3, WC_BUTTONW, checkBox, 0, {0, 396, 56, 24}, defaultGui},
      {按钮6, WC_BUTTONW, pushButton, 0, {296, 512, 24, 32}, defaultGui},
  }};
}();

constexpr bool indexedByEnumerator() {
  for (std::size_t i = 0; i < controlLayouts.size(); ++i) {
    if (indexOf(controlLayouts[i].control) != i) return false;
  }
  return true;
}
static_assert(indexedByEnumerator(), "rows must follow the enumerators");

constexpr const ControlLayout& layoutOf(Control control) { return controlLayouts[indexOf(control)]; }

// The controls that Tab walks, in order; only the shown and enabled ones of
// them take part at any moment.
inline constexpr auto focusOrder = [] {
  constexpr std::size_t count = [] {
    std::size_t n = 0;
    for (const ControlLayout& row : controlLayouts) n += (row.style & WS_TABSTOP) ? 1 : 0;
    return n;
  }();
  std::array<Control, count> order{};
  std::size_t next = 0;
  for (const ControlLayout& row : controlLayouts) {
    if (row.style & WS_TABSTOP) order[next++] = row.control;
  }
  return order;
}();

}  // namespace macbatch::win32
