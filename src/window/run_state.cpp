#include "window/run_state.h"

namespace macbatch {

void releaseRunState(RunState& state) {
  Text().swap(state.batchText);
  Text().swap(state.vendorAddress);
}

}  // namespace macbatch
