#include "shell/command_bindings.h"

namespace macbatch {

void bindClickCommands(ClickBindings& bindings, MainWindow&, RunState&) {
  for (Control control : {Control::按钮1, Control::按钮2, Control::按钮3, Control::按钮4, Control::按钮5,
                          Control::按钮6, Control::单选框2}) {
    bindings.bind(control, [] {});
  }
}

}  // namespace macbatch
