#pragma once
// The window model held in memory, for running commands without a window
// system. Tests act as the user through click, type, check and close, and
// schedule such events to happen inside a given pause.

#include <array>
#include <functional>
#include <map>
#include <vector>

#include "window/click_bindings.h"
#include "window/main_window.h"

namespace macbatch {

class MemoryWindow final : public MainWindow {
 public:
  using Event = std::function<void()>;

  MemoryWindow();

  Text readText(Control control) override;
  void writeText(Control control, std::string_view text) override;
  int isChecked(Control control) override;
  void setDisabled(Control control, bool disabled) override;
  void appendText(Control control, std::string_view text) override;
  [[nodiscard]] WindowState pauseWithEvents(std::int32_t milliseconds) override;

  ClickBindings& bindings() { return bindings_; }

  // As the user. A click reaches only a shown, enabled control; a click on a
  // radio button checks it and unchecks the other one before its command runs.
  // Returns whether a bound command ran.
  bool click(Control control);
  void type(Control control, std::string_view text);
  void check(Control control, bool checked);  // also reaches hidden check boxes
  void close();

  // Runs `event` inside the n-th pause that lets events through, counted from
  // the start of the window (1 is the first). Nested pauses count as well.
  void atPause(int pauseNumber, Event event);
  int pausesSoFar() const { return pauses_; }

  bool isClosed() const { return closed_; }
  bool isDisabled(Control control) const { return state(control).disabled; }
  bool isShown(Control control) const { return state(control).shown; }
  // Every text the control has held after a writeText or appendText, in order.
  const std::vector<Text>& history(Control control) const { return state(control).history; }

 private:
  struct ControlState {
    Text text;
    bool checked = false;
    bool disabled = false;
    bool shown = true;
    std::vector<Text> history;
  };

  ControlState& state(Control control) { return controls_[indexOf(control)]; }
  const ControlState& state(Control control) const { return controls_[indexOf(control)]; }

  std::array<ControlState, controlCount> controls_;
  ClickBindings bindings_;
  std::multimap<int, Event> scheduled_;
  int pauses_ = 0;
  bool closed_ = false;
};

}  // namespace macbatch
