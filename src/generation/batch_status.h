#pragma once
// The status-line texts that both batch commands write.

#include <cstdint>
#include <string_view>

#include "generation/text.h"

namespace macbatch {

// "正在准备生成" + the count exactly as typed + "个".
Text batchStartStatus(std::string_view typedCount);
// "当前生成个数：" + the running count.
Text batchProgressStatus(std::int32_t generatedCount);

// Counting wraps modulo 2^32 like every other 32-bit sum of the program.
inline std::int32_t nextCount(std::int32_t count) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + 1u);
}

}  // namespace macbatch
