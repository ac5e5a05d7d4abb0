#pragma once
// The values that the commands keep between runs, for the whole process.

#include <cstdint>

#include "core/text.h"

namespace macbatch {

struct RunState {
  std::int32_t generatedCount = 0;  // entries made by the last (or running) batch
  Text batchText;                   // the last batch, as its wrapping left it
  Text vendorAddress;               // the last vendor-prefixed address
};

// The exit routine registered at start-up: releases the two texts.
void releaseRunState(RunState& state);

}  // namespace macbatch
