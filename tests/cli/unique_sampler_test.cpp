#include "cli/unique_sampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <vector>

#include "cli/seeded_random.h"

namespace macbatch {
namespace {

std::vector<std::uint64_t> draw(std::uint64_t poolSize, std::vector<std::uint64_t> excluded,
                                std::uint64_t count, bool distinct, std::uint64_t seed) {
  SeededRandom random(seed);
  UniqueSampler sampler(poolSize, std::move(excluded), count, distinct, random);
  std::vector<std::uint64_t> drawn;
  for (std::uint64_t i = 0; i < count; ++i) drawn.push_back(sampler.next());
  return drawn;
}

struct DistinctCase {
  const char* name;
  std::uint64_t poolSize;
  std::vector<std::uint64_t> excluded;
  std::uint64_t count;
};

// Both ways of drawing (a set while count <= half of what is left, a shuffle
// beyond), with and without exclusions, up to every index there is.
const DistinctCase distinctCases[] = {
    {"few from many", 1u << 20, {}, 1000},
    {"half exactly", 2000, {}, 1000},
    {"just over half", 2000, {}, 1001},
    {"all", 1000, {}, 1000},
    {"all but excluded", 1000, {0, 1, 2, 500, 998, 999}, 994},
    {"set with excluded", 1000, {3, 4, 5, 6, 7}, 100},
    {"one of one", 1, {}, 1},
    {"none", 10, {}, 0},
};

TEST(UniqueSampler, DrawsDistinctIndicesThatAreNotExcluded) {
  for (const DistinctCase& c : distinctCases) {
    const std::vector<std::uint64_t> drawn = draw(c.poolSize, c.excluded, c.count, true, 7);
    const std::set<std::uint64_t> unique(drawn.begin(), drawn.end());
    EXPECT_EQ(unique.size(), c.count) << c.name;
    for (const std::uint64_t index : drawn) {
      EXPECT_LT(index, c.poolSize) << c.name;
      EXPECT_FALSE(std::binary_search(c.excluded.begin(), c.excluded.end(), index)) << c.name << " " << index;
    }
  }
}

TEST(UniqueSampler, SameSeedSameDraws) {
  for (const DistinctCase& c : distinctCases) {
    EXPECT_EQ(draw(c.poolSize, c.excluded, c.count, true, 99),
              draw(c.poolSize, c.excluded, c.count, true, 99))
        << c.name;
  }
  EXPECT_NE(draw(1u << 20, {}, 50, true, 1), draw(1u << 20, {}, 50, true, 2));
}

TEST(UniqueSampler, DuplicatesAllowedMayRepeatButNeverAnExcludedIndex) {
  const std::vector<std::uint64_t> drawn = draw(4, {1, 2}, 200, false, 3);
  EXPECT_EQ(std::set<std::uint64_t>(drawn.begin(), drawn.end()), (std::set<std::uint64_t>{0, 3}));
}

TEST(UniqueSampler, EveryIndexEquallyLikely) {
  // Many small batches from 10 indices with 3 excluded: each of the 7 others
  // turns up with probability 3/7 per batch, whichever way the batch is drawn.
  for (const std::uint64_t count : {2u, 6u}) {
    std::vector<double> counts(10, 0.0);
    SeededRandom random(count);
    constexpr int batches = 70000;
    for (int b = 0; b < batches; ++b) {
      UniqueSampler sampler(10, {2, 5, 6}, count, true, random);
      for (std::uint64_t i = 0; i < count; ++i) ++counts[sampler.next()];
    }
    const double expected = batches * static_cast<double>(count) / 7.0;
    for (std::uint64_t index = 0; index < 10; ++index) {
      if (index == 2 || index == 5 || index == 6) {
        EXPECT_EQ(counts[index], 0.0);
      } else {
        EXPECT_NEAR(counts[index], expected, 6 * std::sqrt(expected)) << count << " " << index;
      }
    }
  }
}

TEST(UniqueSampler, AllOfALargePoolInTimeProportionalToIt) {
  // Every index of the pool: the shuffle, with no retries near the end.
  constexpr std::uint64_t pool = 1u << 22;
  const std::vector<std::uint64_t> drawn = draw(pool, {}, pool, true, 5);
  std::vector<bool> seen(pool, false);
  for (const std::uint64_t index : drawn) seen[index] = true;
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), static_cast<std::ptrdiff_t>(pool));
}

}  // namespace
}  // namespace macbatch
