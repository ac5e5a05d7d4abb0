#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/file_system.h"

namespace macbatch {

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

bool syncFile(std::FILE* file) { return ::fsync(::fileno(file)) == 0; }

std::optional<std::string> replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) return std::string(std::strerror(errno));
  return std::nullopt;
}

}  // namespace macbatch
