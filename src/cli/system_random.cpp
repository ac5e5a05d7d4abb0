#include "cli/system_random.h"

namespace macbatch {

std::uint64_t SystemRandom::next() {
  if (used_ == words_.size()) {
    if (!fillSystemEntropy(words_.data(), sizeof words_)) throw SystemRandomFailure();
    used_ = 0;
  }
  return words_[used_++];
}

std::uint64_t randomWordForName() {
  std::uint64_t word = 0;
  if (!fillSystemEntropy(&word, sizeof word)) return 0;
  return word;
}

}  // namespace macbatch
