#include <sys/random.h>

#include <cerrno>

#include "cli/system_random.h"

namespace macbatch {

bool fillSystemEntropy(void* data, std::size_t size) {
  auto* bytes = static_cast<unsigned char*>(data);
  while (size > 0) {
    // Blocks only until the kernel's pool has been seeded once after boot.
    const ssize_t got = getrandom(bytes, size, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

}  // namespace macbatch
