#pragma once
// Turns the fatal report into an exception that a test can catch.

#include "core/platform.h"

namespace macbatch::testing {

struct FatalReportRaised {
  FatalReport report;
};

class FatalCapture {
 public:
  FatalCapture()
      : platform_(Platform{.showFatalReport = [](const FatalReport& report) {
          throw FatalReportRaised{report};
        }}) {}

 private:
  ScopedPlatform platform_;
};

}  // namespace macbatch::testing
