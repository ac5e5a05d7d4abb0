#pragma once
// The generator behind --seed: xoshiro256** (Blackman and Vigna, 2018), its
// 256-bit state filled from the seed by four steps of SplitMix64. Plain
// integer arithmetic, so a seed gives the same words on every platform.

#include <array>
#include <cstdint>

#include "cli/random_source.h"

namespace macbatch {

class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed);
  std::uint64_t next() override;

 private:
  std::array<std::uint64_t, 4> state_;
};

}  // namespace macbatch
