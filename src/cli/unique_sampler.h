#pragma once
// Draws pool indices for a batch: every index that is not excluded equally
// likely, each at most once unless duplicates are allowed, in time
// proportional to the count however close it comes to what is available.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "cli/random_source.h"

namespace macbatch {

class UniqueSampler {
 public:
  // `excluded`: indices below poolSize, sorted, without repeats. When the
  // draws must be distinct, the caller keeps count within poolSize minus the
  // excluded ones.
  UniqueSampler(std::uint64_t poolSize, std::vector<std::uint64_t> excluded, std::uint64_t count,
                bool distinct, RandomSource& random);

  // One of the first `count` indices; more is a programming error.
  std::uint64_t next();

 private:
  // Positions count the indices that are not excluded. Distinct ones come by
  // rejection against a set while the count is at most half of them (so
  // that a draw is new with odds of at least one half), else by a partial
  // Fisher-Yates shuffle of all positions (at most twice the count then).
  // The set grows with what has been drawn, so that a run cut short by its
  // reader has not set aside room for all of its count. Both work a few dozen
  // draws ahead, so that the memory the draws touch is fetched in parallel;
  // the draws, and so the results, are those of one draw at a time.
  void refill();
  void growSeen(std::uint64_t entries);
  void rejectDuplicates(std::size_t draws);
  template <typename Position>
  void shuffleStep(std::vector<Position>& positions, std::size_t draws);
  // The position-th index that is not excluded.
  std::uint64_t skipExcluded(std::uint64_t position) const;

  static constexpr std::size_t lookAhead = 32;

  RandomSource& random_;
  std::uint64_t available_;
  std::uint64_t remaining_;  // results not yet drawn
  bool distinct_;
  std::vector<std::uint64_t> excludedLessRank_;  // excluded[i] - i: non-decreasing
  std::vector<std::uint64_t> seen_;  // open addressing, at most half full: position + 1, 0 = empty
  std::uint64_t seenCount_ = 0;
  int seenShift_ = 64;
  std::vector<std::uint32_t> shuffled32_;  // the shuffle, when positions fit 32 bits
  std::vector<std::uint64_t> shuffled64_;
  std::uint64_t shuffledCount_ = 0;
  std::array<std::uint64_t, lookAhead> ready_{};
  std::size_t readyCount_ = 0;
  std::size_t readyAt_ = 0;
};

}  // namespace macbatch
