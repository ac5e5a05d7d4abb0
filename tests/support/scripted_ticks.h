#pragma once
// A tick source that makes the reseed-and-draw steps of the commands give
// chosen values, so that a test can state a command's exact output.

#include <cstdint>
#include <vector>

#include "core/platform.h"

namespace macbatch::testing {

// One reseedRandom() followed by drawRandom(lo, hi) that must give `value`.
struct Draw {
  std::int32_t lo;
  std::int32_t hi;
  std::int32_t value;
};

inline Draw digit(std::int32_t value) { return {0, 15, value}; }
inline Draw vendorMember(std::int32_t position) { return {1, 1170, position}; }

// Installs the tick source for the lifetime of the object and sets seedOffset
// to 0 first, so that the ticks it found are the ones the commands read.
class ScriptedTicks {
 public:
  explicit ScriptedTicks(const std::vector<Draw>& draws);
  ~ScriptedTicks();
  ScriptedTicks(const ScriptedTicks&) = delete;
  ScriptedTicks& operator=(const ScriptedTicks&) = delete;

  // Ticks not yet read: 0 once the command made exactly the draws scripted.
  std::size_t unread() const { return ticks_.size() - next_; }

 private:
  std::vector<std::uint32_t> ticks_;
  std::size_t next_ = 0;
  std::int32_t savedOffset_;
  ScopedPlatform platform_;
};

// Draws for a vendor-prefixed entry: the member, then six tail digits.
std::vector<Draw> vendorEntry(std::int32_t member, std::vector<std::int32_t> tailDigits);
// Draws for a plain entry or a single address: one digit each.
std::vector<Draw> digits(std::vector<std::int32_t> values);

std::vector<Draw> concat(std::initializer_list<std::vector<Draw>> parts);

}  // namespace macbatch::testing
