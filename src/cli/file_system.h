#pragma once
// The file operations whose calls differ between the platforms.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace macbatch {

// A path from a UTF-8 command-line text.
std::filesystem::path pathFromUtf8(std::string_view text);

// Opens `path` in binary mode ("rb" or "wb"); nullptr with errno set on failure.
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

// Makes the file's contents durable before it is renamed into place.
bool syncFile(std::FILE* file);

// Renames `from` to `to`, replacing `to` if it exists; the reason on failure.
std::optional<std::string> replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

struct ReadFailure {
  std::string reason;
};

// The whole file, or why it could not be read.
std::variant<std::string, ReadFailure> readWholeFile(const std::filesystem::path& path);

}  // namespace macbatch
