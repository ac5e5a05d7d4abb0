#include "win32/clipboard.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "win32/unique_handle.h"
#include "win32/wide_text.h"

namespace macbatch::win32 {
namespace {

class OpenedClipboard {
 public:
  OpenedClipboard() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;

  bool isOpen() const { return open_; }

 private:
  bool open_;
};

// A movable, zero-filled block of the characters and one zero character.
template <typename Char>
UniqueGlobalMemory zeroTerminatedBlock(std::basic_string_view<Char> text) {
  UniqueGlobalMemory block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text.size() + 1) * sizeof(Char)));
  if (!block) return block;
  if (void* bytes = GlobalLock(block.get())) {
    std::memcpy(bytes, text.data(), text.size() * sizeof(Char));
    GlobalUnlock(block.get());
  }
  return block;
}

// The clipboard owns the block once it has taken it; until then we do.
void handOver(UINT format, UniqueGlobalMemory block) {
  if (SetClipboardData(format, block.get())) static_cast<void>(block.release());
}

// The text in the ANSI code page; characters it cannot hold become '?'.
std::string toAnsi(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  const int ansiLength = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(ansiLength), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), ansiLength, nullptr, nullptr);
  return ansi;
}

}  // namespace

bool copyToClipboard(std::string_view text) {
  OpenedClipboard clipboard;
  if (!clipboard.isOpen()) return false;
  EmptyClipboard();

  const std::wstring wide = toWide(text);
  const std::string ansi = toAnsi(wide);
  UniqueGlobalMemory ansiBlock = zeroTerminatedBlock(std::string_view(ansi));
  if (!ansiBlock) return false;
  UniqueGlobalMemory wideBlock = zeroTerminatedBlock(std::wstring_view(wide));

  handOver(CF_TEXT, std::move(ansiBlock));
  if (wideBlock) handOver(CF_UNICODETEXT, std::move(wideBlock));
  return true;
}

}  // namespace macbatch::win32
