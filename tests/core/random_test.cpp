#include "core/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "core/platform.h"

namespace macbatch {
namespace {

TEST(RandomGenerator, FirstDrawsAfterSeeding) {
  struct Case {
    std::uint32_t seed;
    std::int32_t draw;
  };
  const Case cases[] = {{0, 38}, {1, 41}, {1000, 3304}, {1332, 4388}, {0xFFFFFFFF, 35}};
  for (const Case& c : cases) {
    RandomGenerator generator;
    generator.seed(c.seed);
    EXPECT_EQ(generator.draw(), c.draw) << c.seed;
  }
}

TEST(RandomGenerator, StartsAtOne) {
  RandomGenerator fresh;
  RandomGenerator seeded;
  seeded.seed(1);
  EXPECT_EQ(fresh.draw(), seeded.draw());
}

struct DrawCase {
  const char* name;
  std::uint32_t seed;
  std::optional<std::int32_t> lo;
  std::optional<std::int32_t> hi;
  std::int32_t result;
  bool draws;
};

TEST(DrawRandom, BoundsAndResults) {
  constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
  const DrawCase cases[] = {
      {"digit after seed 0", 0, 0, 15, 6, true},
      {"digit after seed 1", 1, 0, 15, 9, true},
      {"vendor pick after seed 0", 0, 1, 1170, 39, true},
      {"vendor pick after seed 1", 1, 1, 1170, 42, true},
      {"exchanged bounds", 0, 15, 0, 6, true},
      {"negative lower bound", 0, -3, 2, 2, true},
      {"both bounds negative", 0, -3, -1, 0, false},
      {"equal bounds", 0, 5, 5, 5, false},
      {"both omitted", 0, {}, {}, 38, true},
      {"upper omitted", 0, 100, {}, 138, true},
      {"lower omitted", 0, {}, 10, 5, true},
      {"full range", 1000, 0, largest, 3304, true},
      {"top of the range", 0, largest - 1, largest, largest - 1, true},
      {"large lower bound", 0, largest - 100000, largest, largest - 100000 + 38, true},
  };
  for (const DrawCase& c : cases) {
    SCOPED_TRACE(c.name);
    reseedRandom(c.seed);
    EXPECT_EQ(drawRandom(c.lo, c.hi), c.result);
    RandomGenerator reference;
    reference.seed(c.seed);
    if (c.draws) reference.draw();
    EXPECT_EQ(threadRandomGenerator().state(), reference.state());
  }
}

class Reseed : public testing::Test {
 protected:
  void SetUp() override { setSeedOffset(0); }
  void TearDown() override { setSeedOffset(savedOffset_); }

  // Hands out the scripted ticks in order; reading past them fails the test.
  ScopedPlatform scriptedTicks(std::vector<std::uint32_t> ticks) {
    return ScopedPlatform(Platform{.tickCount = [ticks = std::move(ticks), next = std::size_t{0}]() mutable {
      if (next == ticks.size()) {
        ADD_FAILURE() << "tick count read more often than scripted";
        return std::uint32_t{0};
      }
      return ticks[next++];
    }});
  }

 private:
  std::int32_t savedOffset_ = seedOffset();
};

TEST_F(Reseed, SameTickStillGivesNewSeeds) {
  struct Step {
    std::uint32_t seed;
    std::int32_t offsetAfter;
    std::int32_t digit;
  };
  const Step steps[] = {{1000, 332, 8}, {1332, 484, 4}, {1500, 804, 8}, {1820, 932, 0xD}};
  const ScopedPlatform ticks = scriptedTicks({1000, 1000, 1016, 1016});
  for (const Step& step : steps) {
    reseedRandom();
    EXPECT_EQ(threadRandomGenerator().state(), step.seed);
    EXPECT_EQ(seedOffset(), step.offsetAfter);
    EXPECT_EQ(drawRandom(0, 15), step.digit);
  }
}

TEST_F(Reseed, SumsWrapModulo2To32) {
  setSeedOffset(std::numeric_limits<std::int32_t>::max());
  const ScopedPlatform ticks = scriptedTicks({0xFFFFFFFF});
  reseedRandom();
  EXPECT_EQ(threadRandomGenerator().state(), 0x7FFFFFFEu);
  // 0x7FFFFFFF + 0xFE + 100 passes the top of int32.
  EXPECT_EQ(seedOffset(), static_cast<std::int32_t>(0x80000161u));
}

TEST_F(Reseed, GivenSeedLeavesTicksAndOffsetAlone) {
  setSeedOffset(77);
  const ScopedPlatform ticks = scriptedTicks({});
  reseedRandom(1234);
  EXPECT_EQ(threadRandomGenerator().state(), 1234u);
  EXPECT_EQ(seedOffset(), 77);
}

}  // namespace
}  // namespace macbatch
