#include "core/random.h"

#include <algorithm>
#include <limits>

#include "core/platform.h"

namespace macbatch {
namespace {

// Held unsigned so that its wrap-around is defined; read and written as signed.
std::uint32_t offsetBits = 0;

}  // namespace

std::int32_t RandomGenerator::draw() {
  state_ = state_ * 214013u + 2531011u;
  return static_cast<std::int32_t>((state_ >> 16) & 0x7FFF);
}

RandomGenerator& threadRandomGenerator() {
  thread_local RandomGenerator generator;
  return generator;
}

void reseedRandom() {
  const std::uint32_t seed = platform().tickCount() + offsetBits;
  offsetBits += (seed & 0xFF) + 100;
  threadRandomGenerator().seed(seed);
}

void reseedRandom(std::uint32_t seed) { threadRandomGenerator().seed(seed); }

std::int32_t drawRandom(std::optional<std::int32_t> lo, std::optional<std::int32_t> hi) {
  constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
  std::int32_t a = std::max(lo.value_or(0), 0);
  std::int32_t b = std::max(hi.value_or(largest), 0);
  if (a > b) std::swap(a, b);
  if (a == b) return a;
  // Keeps span + 1 within int32.
  const std::int32_t span = std::min(b - a, largest - 1);
  return a + threadRandomGenerator().draw() % (span + 1);
}

std::int32_t seedOffset() { return static_cast<std::int32_t>(offsetBits); }
void setSeedOffset(std::int32_t value) { offsetBits = static_cast<std::uint32_t>(value); }

}  // namespace macbatch
