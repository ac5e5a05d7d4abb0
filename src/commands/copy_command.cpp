#include "commands/copy_command.h"

#include "commands/desktop.h"

namespace macbatch {

void runCopy(MainWindow& window, const RunState& state) {
  const Text output = window.readText(Control::编辑框2);
  desktop().copyToClipboard(output);
  window.writeText(Control::透明标签3, joinText({"已复制MAC地址共：", toText(state.generatedCount), "个"}));
}

}  // namespace macbatch
