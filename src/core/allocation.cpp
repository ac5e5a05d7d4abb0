// Memory that cannot be obtained ends the program through the fatal report,
// which names the number of bytes asked for. Every operator new of the
// program allocates here, and every operator delete frees here, so that the
// pairs always match (also under AddressSanitizer).

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <new>
#include <string_view>

#include "core/platform.h"

namespace {

void* allocateOrReport(std::size_t size) {
  if (size == 0) size = 1;
  for (;;) {
    if (void* block = std::malloc(size)) return block;
    if (std::new_handler handler = std::get_new_handler()) {
      handler();
      continue;
    }
    // Formatted on the stack: the heap has just failed us.
    char message[64] = "分配 ";
    constexpr std::string_view lead = "分配 ", tail = " 字节内存失败!";
    char* end = std::to_chars(message + lead.size(), message + sizeof message - tail.size(), size).ptr;
    end = std::copy(tail.begin(), tail.end(), end);
    macbatch::reportFatalError(std::string_view(message, static_cast<std::size_t>(end - message)));
  }
}

}  // namespace

void* operator new(std::size_t size) { return allocateOrReport(size); }
void* operator new[](std::size_t size) { return allocateOrReport(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
