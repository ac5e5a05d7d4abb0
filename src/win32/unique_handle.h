#pragma once
// One owner for every kind of handle the shell frees itself.

#include <windows.h>

#include <utility>

namespace macbatch::win32 {

// `Traits` gives the Handle type, its empty value and how to free it.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::empty(); }

  // For ownership handed over to Windows.
  [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, Traits::empty()); }

  void reset(Handle handle = Traits::empty()) noexcept {
    const Handle old = std::exchange(handle_, handle);
    if (old != Traits::empty()) Traits::free(old);
  }

 private:
  Handle handle_ = Traits::empty();
};

struct FontTraits {
  using Handle = HFONT;
  static constexpr Handle empty() noexcept { return nullptr; }
  static void free(Handle font) noexcept { DeleteObject(font); }
};

struct KernelObjectTraits {
  using Handle = HANDLE;
  static Handle empty() noexcept { return nullptr; }
  static void free(Handle object) noexcept { CloseHandle(object); }
};

struct GlobalMemoryTraits {
  using Handle = HGLOBAL;
  static constexpr Handle empty() noexcept { return nullptr; }
  static void free(Handle block) noexcept { GlobalFree(block); }
};

using UniqueFont = UniqueHandle<FontTraits>;
using UniqueKernelObject = UniqueHandle<KernelObjectTraits>;
using UniqueGlobalMemory = UniqueHandle<GlobalMemoryTraits>;

}  // namespace macbatch::win32
