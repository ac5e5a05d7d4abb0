#pragma once
// Routines run at a normal end of the program, first registered first.

#include <vector>

namespace macbatch {

using ExitRoutine = void (*)();

class ExitRoutineList {
 public:
  // Registering a routine that is already in the list does nothing.
  void add(ExitRoutine routine);
  // Runs the routines in order of registration and empties the list.
  void runAll();
  // Forgets every routine: the fatal report ends without them.
  void clear() { routines_.clear(); }
  bool empty() const { return routines_.empty(); }

 private:
  std::vector<ExitRoutine> routines_;
};

}  // namespace macbatch
