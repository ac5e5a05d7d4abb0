#include "cli/random_source.h"

namespace macbatch {
namespace {

struct Product {
  std::uint64_t high;
  std::uint64_t low;
};

Product multiply(std::uint64_t a, std::uint64_t b) {
#if defined(__SIZEOF_INT128__)
  const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
  return {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product)};
#else
  const std::uint64_t aLow = a & 0xFFFF'FFFFu, aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFF'FFFFu, bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow;
  const std::uint64_t highLow = aHigh * bLow;
  const std::uint64_t lowHigh = aLow * bHigh;
  const std::uint64_t middle = (lowLow >> 32) + (highLow & 0xFFFF'FFFFu) + (lowHigh & 0xFFFF'FFFFu);
  return {aHigh * bHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & 0xFFFF'FFFFu)};
#endif
}

}  // namespace

std::uint64_t drawBelow(RandomSource& source, std::uint64_t bound) {
  if (bound == 0) return 0;
  Product product = multiply(source.next(), bound);
  if (product.low < bound) {
    // 2^64 mod bound: the low words below it belong to an incomplete stripe.
    const std::uint64_t threshold = (0 - bound) % bound;
    while (product.low < threshold) product = multiply(source.next(), bound);
  }
  return product.high;
}

}  // namespace macbatch
