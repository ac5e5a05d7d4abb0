#pragma once
// A source of uniformly distributed 64-bit words, and the unbiased draw from
// a range that every sampler uses.

#include <cstdint>

namespace macbatch {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual std::uint64_t next() = 0;
};

// A value in [0, bound), every value equally likely; bound 0 gives 0 without
// drawing. Lemire's multiply-and-reject method, written out so that a seeded
// source gives the same values with every compiler and standard library.
std::uint64_t drawBelow(RandomSource& source, std::uint64_t bound);

}  // namespace macbatch
