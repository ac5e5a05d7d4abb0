#pragma once
// The random source: a linear congruential generator reseeded from the tick
// count before every draw that the commands make.

#include <cstdint>
#include <optional>

namespace macbatch {

class RandomGenerator {
 public:
  void seed(std::uint32_t value) { state_ = value; }
  // 0 to 32767: bits 16 to 30 of the next state.
  std::int32_t draw();
  std::uint32_t state() const { return state_; }

 private:
  std::uint32_t state_ = 1;
};

// The calling thread's generator.
RandomGenerator& threadRandomGenerator();

// Seeds from the tick count plus seedOffset, then grows seedOffset by 100 plus
// the seed's low byte, so that two reseeds in one millisecond still differ.
void reseedRandom();
// Seeds with `seed` and leaves the tick count and seedOffset alone.
void reseedRandom(std::uint32_t seed);

// A value from lo to hi inclusive (defaults 0 and 2147483647; negative bounds
// count as 0, exchanged bounds are put in order), never more than 32767 above
// the lower bound. Equal bounds give that bound without drawing.
std::int32_t drawRandom(std::optional<std::int32_t> lo = std::nullopt,
                        std::optional<std::int32_t> hi = std::nullopt);

// The process-wide offset that reseedRandom() adds to the tick count. It is
// never reset while the program runs; tests set it to reproduce a sequence.
std::int32_t seedOffset();
void setSeedOffset(std::int32_t value);

}  // namespace macbatch
