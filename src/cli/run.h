#pragma once
// One run of the program: options in, bytes out.

#include <istream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/output_writer.h"

namespace macbatch {

struct RunStreams {
  ByteSink& output;                  // standard output; -o sends the result to its file instead
  std::istream& input;               // read by --lookup without addresses
  std::vector<std::string>& errors;  // messages without the program's name, in the order they arose
};

// Does what the options ask and returns the exit code. A request that cannot
// be met is found before anything is printed; a closed output pipe ends the
// run quietly with exitSuccess.
int run(const CliOptions& options, RunStreams streams);

}  // namespace macbatch
