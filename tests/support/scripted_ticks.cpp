#include "support/scripted_ticks.h"

#include <stdexcept>

#include "core/random.h"

namespace macbatch::testing {
namespace {

// The smallest seed whose first draw in [lo, hi] gives the value. Searched
// with the production generator, whose arithmetic its own tests pin down.
std::uint32_t seedFor(const Draw& draw) {
  for (std::uint32_t seed = 0; seed < (1u << 24); ++seed) {
    reseedRandom(seed);
    if (drawRandom(draw.lo, draw.hi) == draw.value) return seed;
  }
  throw std::logic_error("no seed gives the scripted draw");
}

std::vector<std::uint32_t> ticksFor(const std::vector<Draw>& draws) {
  std::vector<std::uint32_t> ticks;
  std::uint32_t offset = 0;
  for (const Draw& draw : draws) {
    const std::uint32_t seed = seedFor(draw);
    ticks.push_back(seed - offset);  // the reseed adds the offset back
    offset += (seed & 0xFFu) + 100u;
  }
  return ticks;
}

}  // namespace

ScriptedTicks::ScriptedTicks(const std::vector<Draw>& draws)
    : ticks_(ticksFor(draws)),
      savedOffset_(seedOffset()),
      platform_(Platform{.tickCount = [this] {
        if (next_ == ticks_.size()) throw std::logic_error("more reseeds than scripted draws");
        return ticks_[next_++];
      }}) {
  setSeedOffset(0);
}

ScriptedTicks::~ScriptedTicks() { setSeedOffset(savedOffset_); }

std::vector<Draw> vendorEntry(std::int32_t member, std::vector<std::int32_t> tailDigits) {
  std::vector<Draw> draws{vendorMember(member)};
  for (std::int32_t value : tailDigits) draws.push_back(digit(value));
  return draws;
}

std::vector<Draw> digits(std::vector<std::int32_t> values) {
  std::vector<Draw> draws;
  for (std::int32_t value : values) draws.push_back(digit(value));
  return draws;
}

std::vector<Draw> concat(std::initializer_list<std::vector<Draw>> parts) {
  std::vector<Draw> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace macbatch::testing
