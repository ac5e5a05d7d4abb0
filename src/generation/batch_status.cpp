#include "generation/batch_status.h"

namespace macbatch {

Text batchStartStatus(std::string_view typedCount) { return joinText({"正在准备生成", typedCount, "个"}); }

Text batchProgressStatus(std::int32_t generatedCount) {
  return joinText({"当前生成个数：", toText(generatedCount)});
}

}  // namespace macbatch
