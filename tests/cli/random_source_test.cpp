#include "cli/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "cli/seeded_random.h"
#include "cli/system_random.h"

namespace macbatch {
namespace {

// Hands out the words it was given, in order.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<std::uint64_t> words) : words_(std::move(words)) {}
  std::uint64_t next() override { return words_.at(used_++); }
  std::size_t used() const { return used_; }

 private:
  std::vector<std::uint64_t> words_;
  std::size_t used_ = 0;
};

constexpr std::uint64_t top = ~std::uint64_t{0};

TEST(DrawBelow, MapsWordsOntoTheRangeAndRejectsTheIncompleteStripe) {
  struct Case {
    const char* name;
    std::uint64_t bound;
    std::vector<std::uint64_t> words;
    std::uint64_t result;
    std::size_t wordsUsed;
  };
  const Case cases[] = {
      {"lowest word", 10, {0x2000'0000'0000'0000}, 1, 1},
      {"highest word", 10, {top}, 9, 1},
      {"bound one", 1, {12345}, 0, 1},
      {"whole range", top, {top - 1}, top - 2, 1},
      // 2^64 mod 3 = 1: the low word 0 belongs to the stripe that would favour 0.
      {"rejected low word", 3, {0, 0x5555'5555'5555'5556}, 1, 2},
      {"low word at the threshold kept", 3, {0xAAAA'AAAA'AAAA'AAAB}, 2, 1},
  };
  for (const Case& c : cases) {
    ScriptedRandom source(c.words);
    EXPECT_EQ(drawBelow(source, c.bound), c.result) << c.name;
    EXPECT_EQ(source.used(), c.wordsUsed) << c.name;
  }
}

TEST(DrawBelow, BoundZeroDrawsNothing) {
  ScriptedRandom source({});
  EXPECT_EQ(drawBelow(source, 0), 0u);
}

TEST(DrawBelow, EveryValueAsOftenForASmallBound) {
  // 6 does not divide 2^64, so a plain modulo would be biased; counts of a
  // seeded run stay within a few standard deviations of the mean.
  SeededRandom source(2024);
  constexpr int draws = 600000;
  std::uint64_t counts[6] = {};
  for (int i = 0; i < draws; ++i) ++counts[drawBelow(source, 6)];
  for (std::uint64_t count : counts) EXPECT_NEAR(static_cast<double>(count), draws / 6.0, 1500.0);
}

TEST(SeededRandom, IsXoshiro256StarStarSeededBySplitMix64) {
  // Reference values of the published algorithms, computed independently.
  struct Case {
    std::uint64_t seed;
    std::uint64_t first[4];
  };
  const Case cases[] = {
      {0, {0x99ec5f36cb75f2b4, 0xbf6e1f784956452a, 0x1a5f849d4933e6e0, 0x6aa594f1262d2d2c}},
      {42, {0x15780b2e0c2ec716, 0x6104d9866d113a7e, 0xae17533239e499a1, 0xecb8ad4703b360a1}},
  };
  for (const Case& c : cases) {
    SeededRandom source(c.seed);
    for (std::uint64_t expected : c.first) EXPECT_EQ(source.next(), expected) << c.seed;
  }
}

TEST(SystemRandom, GivesVaryingWordsAcrossRefills) {
  SystemRandom source;
  std::vector<std::uint64_t> words;
  for (int i = 0; i < 1500; ++i) words.push_back(source.next());  // three refills of 512 words
  std::sort(words.begin(), words.end());
  EXPECT_EQ(std::unique(words.begin(), words.end()), words.end());
}

}  // namespace
}  // namespace macbatch
