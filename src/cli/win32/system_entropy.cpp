// bcrypt.h needs the types of windows.h first.
// clang-format off
#include <windows.h>
#include <bcrypt.h>
// clang-format on

#include <algorithm>
#include <limits>

#include "cli/system_random.h"

namespace macbatch {

bool fillSystemEntropy(void* data, std::size_t size) {
  auto* bytes = static_cast<unsigned char*>(data);
  while (size > 0) {
    const ULONG part = static_cast<ULONG>(std::min<std::size_t>(size, std::numeric_limits<ULONG>::max()));
    if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, bytes, part, BCRYPT_USE_SYSTEM_PREFERRED_RNG))) return false;
    bytes += part;
    size -= part;
  }
  return true;
}

}  // namespace macbatch
