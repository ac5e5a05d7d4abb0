#pragma once
// The commands bound to the click events of the controls.

#include <array>
#include <functional>

#include "window/controls.h"

namespace macbatch {

class ClickBindings {
 public:
  using Command = std::function<void()>;

  void bind(Control control, Command command) { commands_[indexOf(control)] = std::move(command); }
  bool isBound(Control control) const { return static_cast<bool>(commands_[indexOf(control)]); }

  // Runs the bound command to its end; false when nothing is bound. The
  // command is copied first, so that rebinding during the run is harmless.
  bool run(Control control) const {
    Command command = commands_[indexOf(control)];
    if (!command) return false;
    command();
    return true;
  }

 private:
  std::array<Command, controlCount> commands_;
};

}  // namespace macbatch
