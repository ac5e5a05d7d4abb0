#include "commands/batch_steps.h"

namespace macbatch {

std::int32_t beginBatch(MainWindow& window, RunState& state) {
  state.generatedCount = 0;
  window.writeText(Control::编辑框2, "");
  window.writeText(Control::透明标签3, joinText({"正在准备生成", window.readText(Control::编辑框3), "个"}));
  return toInteger(window.readText(Control::编辑框3));
}

Text batchProgressStatus(std::int32_t generatedCount) {
  return joinText({"当前生成个数：", toText(generatedCount)});
}

}  // namespace macbatch
