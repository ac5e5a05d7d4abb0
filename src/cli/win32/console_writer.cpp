// Standard streams on Windows. A console is written with WriteConsoleW, so that
// names in any script show as written whatever the console's code page; a pipe
// or a file gets the UTF-8 bytes as they are.

// shellapi.h needs the types of windows.h first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>

#include "cli/standard_streams.h"
#include "cli/win32/wide_text.h"

namespace macbatch {
namespace {

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode);
}

// How many bytes at the end of `bytes` start a character that the next write completes.
std::size_t incompleteTail(std::string_view bytes) {
  for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
    const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

class HandleSink final : public ByteSink {
 public:
  explicit HandleSink(DWORD which) : handle_(GetStdHandle(which)), console_(isConsole(handle_)) {}

  WriteStatus write(std::string_view bytes) override {
    if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) return fail(ERROR_INVALID_HANDLE);
    return console_ ? writeConsole(bytes) : writeBytes(bytes);
  }

  std::string failure() const override { return failure_; }

 private:
  WriteStatus writeBytes(std::string_view bytes) {
    while (!bytes.empty()) {
      const DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD written = 0;
      if (!WriteFile(handle_, bytes.data(), part, &written, nullptr)) {
        const DWORD error = GetLastError();
        // The reader of the pipe has gone (Wine says so with the last of these).
        if (error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE || error == ERROR_PIPE_NOT_CONNECTED) {
          return WriteStatus::closed;
        }
        return fail(error);
      }
      bytes.remove_prefix(written);
    }
    return WriteStatus::ok;
  }

  WriteStatus writeConsole(std::string_view bytes) {
    pending_.append(bytes);
    const std::size_t tail = incompleteTail(pending_);
    std::wstring wide = wideFromUtf8(std::string_view(pending_).substr(0, pending_.size() - tail));
    pending_.erase(0, pending_.size() - tail);
    std::wstring_view rest = wide;
    while (!rest.empty()) {
      DWORD written = 0;
      const DWORD part = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 16 * 1024));
      if (!WriteConsoleW(handle_, rest.data(), part, &written, nullptr)) return fail(GetLastError());
      rest.remove_prefix(written);
    }
    return WriteStatus::ok;
  }

  WriteStatus fail(DWORD error) {
    failure_ = systemErrorText(error);
    return WriteStatus::failed;
  }

  HANDLE handle_;
  bool console_;
  std::string pending_;
  std::string failure_;
};

}  // namespace

void prepareStandardStreams() {
  // Lines read for --lookup keep their CR, which the reader trims; nothing is translated.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

std::vector<std::string> commandLineArguments(int, char**) {
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

std::unique_ptr<ByteSink> standardOutputSink() { return std::make_unique<HandleSink>(STD_OUTPUT_HANDLE); }
std::unique_ptr<ByteSink> standardErrorSink() { return std::make_unique<HandleSink>(STD_ERROR_HANDLE); }

}  // namespace macbatch
