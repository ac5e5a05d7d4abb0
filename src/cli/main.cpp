// macbatch-cli: reads the command line, runs it, prints what it gives.

#include <iostream>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "cli/options.h"
#include "cli/run.h"
#include "cli/standard_streams.h"

int main(int argc, char** argv) {
  using namespace macbatch;
  prepareStandardStreams();
  const std::unique_ptr<ByteSink> output = standardOutputSink();
  const std::unique_ptr<ByteSink> error = standardErrorSink();

  const std::variant<CliOptions, EarlyExit> parsed = parseOptions(commandLineArguments(argc, argv));
  if (const EarlyExit* early = std::get_if<EarlyExit>(&parsed)) {
    // --help into a closed pipe is no error either: the status of these writes does not matter.
    output->write(early->standardOutput);
    error->write(early->standardError);
    return early->exitCode;
  }

  std::vector<std::string> errors;
  const int exitCode = run(std::get<CliOptions>(parsed), RunStreams{*output, std::cin, errors});
  for (const std::string& message : errors) error->write("macbatch-cli: error: " + message + "\n");
  return exitCode;
}
