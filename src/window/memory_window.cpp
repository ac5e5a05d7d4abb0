#include "window/memory_window.h"

#include <cassert>

namespace macbatch {

MemoryWindow::MemoryWindow() {
  for (const ControlModel& model : controlModels) {
    ControlState& control = state(model.control);
    control.text = Text(model.initialText);
    control.checked = model.checked;
    control.disabled = !model.enabled;
    control.shown = model.shown;
  }
}

Text MemoryWindow::readText(Control control) {
  if (closed_) return {};
  return state(control).text;
}

void MemoryWindow::writeText(Control control, std::string_view text) {
  if (closed_) return;
  ControlState& target = state(control);
  target.text = Text(text);
  target.history.push_back(target.text);
}

int MemoryWindow::isChecked(Control control) {
  if (closed_) return 0;
  return state(control).checked ? 1 : 0;
}

void MemoryWindow::setDisabled(Control control, bool disabled) {
  if (closed_) return;
  state(control).disabled = disabled;
}

void MemoryWindow::appendText(Control control, std::string_view text) {
  assert(isEditBox(control) && "only an edit box takes appended text");
  if (closed_) return;
  ControlState& target = state(control);
  target.text.append(text);
  target.history.push_back(target.text);
}

WindowState MemoryWindow::pauseWithEvents(std::int32_t milliseconds) {
  if (closed_) return WindowState::closed;
  if (milliseconds <= 0) return WindowState::open;
  const int pause = ++pauses_;
  // Taken out one at a time: an event may schedule more for this same pause.
  for (auto it = scheduled_.find(pause); it != scheduled_.end() && !closed_;
       it = scheduled_.find(pause)) {
    Event event = std::move(it->second);
    scheduled_.erase(it);
    event();
  }
  return closed_ ? WindowState::closed : WindowState::open;
}

bool MemoryWindow::click(Control control) {
  if (closed_) return false;
  const ControlState& target = state(control);
  if (!target.shown || target.disabled) return false;
  const ControlKind kind = modelOf(control).kind;
  if (kind == ControlKind::radioButton) {
    for (const ControlModel& model : controlModels) {
      if (model.kind == ControlKind::radioButton) state(model.control).checked = false;
    }
    state(control).checked = true;
  } else if (kind == ControlKind::checkBox) {
    state(control).checked = !target.checked;
  }
  return bindings_.run(control);
}

void MemoryWindow::type(Control control, std::string_view text) {
  if (closed_) return;
  state(control).text = Text(text);
}

void MemoryWindow::check(Control control, bool checked) {
  assert(isCheckable(control) && "only check boxes and radio buttons have a checked state");
  if (closed_) return;
  state(control).checked = checked;
}

void MemoryWindow::close() { closed_ = true; }

void MemoryWindow::atPause(int pauseNumber, Event event) {
  scheduled_.emplace(pauseNumber, std::move(event));
}

}  // namespace macbatch
