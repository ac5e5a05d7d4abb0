#include "cli/unique_sampler.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <numeric>
#include <utility>

namespace macbatch {
namespace {

constexpr std::uint64_t fibonacciMultiplier = 0x9E37'79B9'7F4A'7C15ull;

template <typename T>
void prefetch(const T* address) {
#if defined(__GNUC__)
  __builtin_prefetch(address, 1);
#else
  static_cast<void>(address);
#endif
}

}  // namespace

UniqueSampler::UniqueSampler(std::uint64_t poolSize, std::vector<std::uint64_t> excluded, std::uint64_t count,
                             bool distinct, RandomSource& random)
    : random_(random), available_(poolSize - excluded.size()), remaining_(count), distinct_(distinct) {
  assert((!distinct || count <= available_) && "more distinct addresses asked for than the pool holds");
  for (std::size_t i = 0; i < excluded.size(); ++i) excluded[i] -= i;
  excludedLessRank_ = std::move(excluded);
  if (!distinct_ || count == 0) return;
  if (count <= available_ / 2) {
    // Room for a million draws at once: a larger count grows into its room as it goes.
    growSeen(std::min<std::uint64_t>(count, 1u << 20));
  } else if (available_ <= (1ull << 32)) {
    shuffled32_.resize(available_);
    std::iota(shuffled32_.begin(), shuffled32_.end(), std::uint32_t{0});
  } else {
    shuffled64_.resize(available_);
    std::iota(shuffled64_.begin(), shuffled64_.end(), std::uint64_t{0});
  }
}

std::uint64_t UniqueSampler::next() {
  assert(readyAt_ < readyCount_ || remaining_ > 0);
  if (readyAt_ == readyCount_) refill();
  return skipExcluded(ready_[readyAt_++]);
}

void UniqueSampler::refill() {
  readyAt_ = readyCount_ = 0;
  // Never more draws than results still to come, so that none is drawn in vain.
  const auto draws = static_cast<std::size_t>(std::min<std::uint64_t>(lookAhead, remaining_));
  if (!distinct_) {
    for (std::size_t i = 0; i < draws; ++i) ready_[readyCount_++] = drawBelow(random_, available_);
  } else if (!seen_.empty()) {
    while (readyCount_ == 0) rejectDuplicates(draws);
  } else if (!shuffled32_.empty()) {
    shuffleStep(shuffled32_, draws);
  } else {
    shuffleStep(shuffled64_, draws);
  }
  remaining_ -= readyCount_;
}

void UniqueSampler::growSeen(std::uint64_t entries) {
  constexpr std::uint64_t fewestSlots = 1024;
  std::uint64_t slots = std::max<std::uint64_t>(fewestSlots, seen_.size());
  while (slots < 2 * entries) slots *= 2;
  if (slots == seen_.size()) return;
  std::vector<std::uint64_t> old = std::exchange(seen_, std::vector<std::uint64_t>(slots, 0));
  seenShift_ = 64 - std::countr_zero(slots);
  const std::uint64_t mask = slots - 1;
  for (const std::uint64_t entry : old) {
    if (entry == 0) continue;
    std::uint64_t slot = ((entry - 1) * fibonacciMultiplier) >> seenShift_;
    while (seen_[slot] != 0) slot = (slot + 1) & mask;
    seen_[slot] = entry;
  }
}

void UniqueSampler::rejectDuplicates(std::size_t draws) {
  // At most half full even if every draw is new.
  growSeen(seenCount_ + draws);
  std::array<std::uint64_t, lookAhead> drawn;
  for (std::size_t i = 0; i < draws; ++i) {
    drawn[i] = drawBelow(random_, available_);
    prefetch(&seen_[(drawn[i] * fibonacciMultiplier) >> seenShift_]);
  }
  const std::uint64_t mask = seen_.size() - 1;
  for (std::size_t i = 0; i < draws; ++i) {
    const std::uint64_t position = drawn[i];
    for (std::uint64_t slot = (position * fibonacciMultiplier) >> seenShift_;; slot = (slot + 1) & mask) {
      if (seen_[slot] == position + 1) break;  // drawn before: this draw does not count
      if (seen_[slot] == 0) {
        seen_[slot] = position + 1;
        ++seenCount_;
        ready_[readyCount_++] = position;
        break;
      }
    }
  }
}

template <typename Position>
void UniqueSampler::shuffleStep(std::vector<Position>& positions, std::size_t draws) {
  std::array<std::uint64_t, lookAhead> targets;
  for (std::size_t i = 0; i < draws; ++i) {
    targets[i] = shuffledCount_ + i + drawBelow(random_, available_ - shuffledCount_ - i);
    prefetch(&positions[targets[i]]);
  }
  for (std::size_t i = 0; i < draws; ++i, ++shuffledCount_) {
    std::swap(positions[shuffledCount_], positions[targets[i]]);
    ready_[readyCount_++] = positions[shuffledCount_];
  }
}

std::uint64_t UniqueSampler::skipExcluded(std::uint64_t position) const {
  // excluded[i] - i counts the free indices below excluded[i]; every excluded
  // index with at most `position` free ones below it lies before the answer.
  const auto passed = std::upper_bound(excludedLessRank_.begin(), excludedLessRank_.end(), position);
  return position + static_cast<std::uint64_t>(passed - excludedLessRank_.begin());
}

}  // namespace macbatch
