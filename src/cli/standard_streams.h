#pragma once
// The process's standard streams and arguments, as the platform provides them.

#include <memory>
#include <string>
#include <vector>

#include "cli/output_writer.h"

namespace macbatch {

// Once at start: a write to a closed pipe then fails with a status instead of
// ending the process, and the standard streams carry bytes unchanged.
void prepareStandardStreams();

// The arguments in UTF-8, without the program's name.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// UTF-8 bytes to standard output and standard error. On Windows a console
// gets the same text as UTF-16, so that every name shows as written.
std::unique_ptr<ByteSink> standardOutputSink();
std::unique_ptr<ByteSink> standardErrorSink();

}  // namespace macbatch
