#include "core/exit_routines.h"

#include <algorithm>

namespace macbatch {

void ExitRoutineList::add(ExitRoutine routine) {
  if (std::find(routines_.begin(), routines_.end(), routine) == routines_.end()) {
    routines_.push_back(routine);
  }
}

void ExitRoutineList::runAll() {
  std::vector<ExitRoutine> routines;
  routines.swap(routines_);
  for (ExitRoutine routine : routines) routine();
}

}  // namespace macbatch
