#include "cli/seeded_random.h"

namespace macbatch {
namespace {

std::uint64_t splitMix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E37'79B9'7F4A'7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBull;
  return z ^ (z >> 31);
}

constexpr std::uint64_t rotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

SeededRandom::SeededRandom(std::uint64_t seed) {
  // SplitMix64 never yields four zero words in a row, the one state xoshiro cannot leave.
  for (std::uint64_t& word : state_) word = splitMix64(seed);
}

std::uint64_t SeededRandom::next() {
  const std::uint64_t result = rotateLeft(state_[1] * 5, 7) * 9;
  const std::uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = rotateLeft(state_[3], 45);
  return result;
}

}  // namespace macbatch
