#include "cli/file_system.h"

#include <cerrno>
#include <cstring>

namespace macbatch {

std::filesystem::path pathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::variant<std::string, ReadFailure> readWholeFile(const std::filesystem::path& path) {
  std::FILE* file = openFile(path, "rb");
  if (file == nullptr) return ReadFailure{std::strerror(errno)};
  std::string text;
  char block[64 * 1024];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, got);
  const bool failed = std::ferror(file) != 0;
  const int error = errno;
  std::fclose(file);
  if (failed) return ReadFailure{std::strerror(error)};
  return text;
}

}  // namespace macbatch
