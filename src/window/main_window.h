#pragma once
// The window model: the six operations through which every command reads and
// writes the controls. The Win32 program implements it on the real window,
// MemoryWindow in memory for tests.

#include <cstdint>

#include "core/text.h"
#include "window/controls.h"

namespace macbatch {

// What a command learns from a pause: whether its window is still there.
enum class WindowState : std::uint8_t { open, closed };

class MainWindow {
 public:
  virtual ~MainWindow() = default;

  // The control's whole current text: an edit box's content with line breaks
  // as CR LF, a label's caption. Empty once the window is gone.
  virtual Text readText(Control control) = 0;
  // Replaces the whole text; an edit box puts its caret at the start.
  virtual void writeText(Control control, std::string_view text) = 0;
  // 1 while the check box or radio button is checked, else 0.
  virtual int isChecked(Control control) = 0;
  virtual void setDisabled(Control control, bool disabled) = 0;
  // Adds the text at the very end of an edit box, whatever the user selected,
  // and scrolls it into view. The user cannot undo it.
  virtual void appendText(Control control, std::string_view text) = 0;
  // Handles window events for `milliseconds`; a click met there runs its
  // command to its end inside the pause. 0 or less returns at once and lets
  // nothing through. Once the window has been closed, the command that paused
  // must touch no control and make no further output: it returns.
  [[nodiscard]] virtual WindowState pauseWithEvents(std::int32_t milliseconds) = 0;

 protected:
  MainWindow() = default;
  MainWindow(const MainWindow&) = default;
  MainWindow& operator=(const MainWindow&) = default;
};

}  // namespace macbatch
