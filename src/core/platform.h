#pragma once
// The seams through which the core reaches the operating system: the tick
// count and the fatal report.
//
// The Win32 program installs the real services at start-up; tests install
// scripted ones with ScopedPlatform. Texts cross this boundary as UTF-8.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "core/text.h"

namespace macbatch {

struct FatalReport {
  std::optional<std::int32_t> number;
  Text message;
};

// The text of the report box: "运行时出错!\r\n\r\n", then the number and the
// message, each when there is one.
Text fatalReportText(const FatalReport& report);

struct Platform {
  // Milliseconds since a fixed point in the past, wrapping modulo 2^32.
  std::function<std::uint32_t()> tickCount{};
  // Shows the report and ends the process with exit code -1 without running
  // the exit routines. It must not return; a test's replacement throws.
  std::function<void(const FatalReport& report)> showFatalReport{};
};

// The services in force. The defaults need no window system: a steady clock
// and a report written to standard error.
Platform& platform();

// Replaces the services for the lifetime of the object, restoring the old ones
// after. Members left empty keep the services in force.
class ScopedPlatform {
 public:
  explicit ScopedPlatform(Platform replacement);
  ~ScopedPlatform();
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  Platform saved_;
};

// Ends the program through the platform's fatal report.
[[noreturn]] void reportFatalError(std::string_view message,
                                   std::optional<std::int32_t> number = std::nullopt);

}  // namespace macbatch
