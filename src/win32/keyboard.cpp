#include "win32/keyboard.h"

#include <windowsx.h>

#include <optional>

#include "win32/layout.h"
#include "win32/main_window_win32.h"

namespace macbatch::win32 {
namespace {

enum class Direction { forward, backward };

bool isHeld(int key) { return GetKeyState(key) < 0; }

std::optional<std::size_t> focusPosition(std::optional<Control> control) {
  if (!control) return std::nullopt;
  for (std::size_t i = 0; i < focusOrder.size(); ++i) {
    if (focusOrder[i] == *control) return i;
  }
  return std::nullopt;
}

// The next control of the focus order after `from` that passes `accepts`,
// wrapping around; from nowhere, the first or the last one.
template <typename Accepts>
std::optional<Control> nextInFocusOrder(std::optional<Control> from, Direction direction, Accepts accepts) {
  const std::size_t count = focusOrder.size();
  const std::optional<std::size_t> start = focusPosition(from);
  std::size_t position = start ? *start : (direction == Direction::forward ? count - 1 : 0);
  for (std::size_t step = 0; step < count; ++step) {
    position = direction == Direction::forward ? (position + 1) % count : (position + count - 1) % count;
    if (accepts(focusOrder[position])) return focusOrder[position];
  }
  return std::nullopt;
}

void moveFocus(Win32MainWindow& window, Direction direction) {
  const std::optional<Control> target = nextInFocusOrder(
      window.controlOf(GetFocus()), direction, [&](Control control) { return window.takesFocus(control); });
  if (target) SetFocus(window.controlHandle(*target));
}

void moveRadioCheck(Win32MainWindow& window, Control from, Direction direction) {
  const std::optional<Control> target = nextInFocusOrder(from, direction, [&](Control control) {
    return control != from && modelOf(control).kind == ControlKind::radioButton && window.takesFocus(control);
  });
  if (!target) return;
  for (const ControlModel& model : controlModels) {
    if (model.kind != ControlKind::radioButton) continue;
    Button_SetCheck(window.controlHandle(model.control),
                    model.control == *target ? BST_CHECKED : BST_UNCHECKED);
  }
  // Checked before it takes the focus: an unchecked radio button that gets
  // the focus reports a click of its own.
  SetFocus(window.controlHandle(*target));
  window.notifyClick(*target);
}

bool onKeyDown(Win32MainWindow& window, const MSG& message) {
  if (isHeld(VK_CONTROL) || isHeld(VK_MENU)) return false;
  const bool shift = isHeld(VK_SHIFT);
  switch (message.wParam) {
    case VK_ESCAPE:
      if (shift) return false;
      window.close();
      return true;
    case VK_TAB:
      moveFocus(window, shift ? Direction::backward : Direction::forward);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      const std::optional<Control> focused = window.controlOf(message.hwnd);
      if (shift || !focused || modelOf(*focused).kind != ControlKind::radioButton) return false;
      const bool forward = message.wParam == VK_RIGHT || message.wParam == VK_DOWN;
      moveRadioCheck(window, *focused, forward ? Direction::forward : Direction::backward);
      return true;
    }
  }
  return false;
}

}  // namespace

bool preTranslateMessage(Win32MainWindow& window, const MSG& message) {
  if (message.message != WM_KEYDOWN || !window.isOpen()) return false;
  if (message.hwnd != window.handle() && !IsChild(window.handle(), message.hwnd)) return false;
  return onKeyDown(window, message);
}

}  // namespace macbatch::win32
