#pragma once
// Random words from the operating system's generator (getrandom on Linux,
// BCryptGenRandom on Windows), taken 4 KB at a time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "cli/random_source.h"

namespace macbatch {

// Fills `size` bytes at `data`; false when the generator cannot be read.
bool fillSystemEntropy(void* data, std::size_t size);

class SystemRandomFailure : public std::runtime_error {
 public:
  SystemRandomFailure() : std::runtime_error("the operating system's random generator cannot be read") {}
};

class SystemRandom final : public RandomSource {
 public:
  // Throws SystemRandomFailure when the generator cannot be read.
  std::uint64_t next() override;

 private:
  std::array<std::uint64_t, 512> words_{};
  std::size_t used_ = words_.size();
};

// One word for a name that must not clash with another run's; 0 if the generator fails.
std::uint64_t randomWordForName();

}  // namespace macbatch
