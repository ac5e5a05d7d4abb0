#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "cli/file_system.h"
#include "cli/win32/wide_text.h"

namespace macbatch {

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wideMode.c_str());
}

bool syncFile(std::FILE* file) { return _commit(_fileno(file)) == 0; }

std::optional<std::string> replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return std::nullopt;
  return systemErrorText(GetLastError());
}

}  // namespace macbatch
