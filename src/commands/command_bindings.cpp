#include "commands/command_bindings.h"

#include "commands/copy_command.h"
#include "commands/lookup_command.h"
#include "commands/plain_batch.h"
#include "commands/separator_toggle.h"
#include "commands/vendor_batch.h"

namespace macbatch {

void bindClickCommands(ClickBindings& bindings, MainWindow& window, RunState& state) {
  using enum Control;
  bindings.bind(按钮5, [&window, &state] { runVendorBatch(window, state); });
  bindings.bind(按钮2, [&window, &state] { runPlainBatch(window, state); });
  bindings.bind(按钮1, [&window] { runSingleAddress(window); });
  bindings.bind(按钮3, [&window, &state] { runCopy(window, state); });
  bindings.bind(按钮6, [] { runLookup(); });
  bindings.bind(单选框2, [&window] { runSeparatorToggle(window); });
  bindings.bind(按钮4, [] {});  // bound, and does nothing
}

}  // namespace macbatch
