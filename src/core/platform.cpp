#include "core/platform.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace macbatch {
namespace {

std::uint32_t steadyMilliseconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void writeReportAndExit(const FatalReport& report) {
  const Text text = fatalReportText(report);
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
  std::_Exit(-1);
}

Platform defaultPlatform() {
  return Platform{
      .tickCount = steadyMilliseconds,
      .showFatalReport = writeReportAndExit,
  };
}

}  // namespace

Text fatalReportText(const FatalReport& report) {
  Text text = "运行时出错!\r\n\r\n";
  if (report.number) text += "错误代码：" + std::to_string(*report.number) + "\r\n\r\n";
  if (!report.message.empty()) text += "错误信息：" + report.message + "\r\n";
  return text;
}

Platform& platform() {
  static Platform services = defaultPlatform();
  return services;
}

ScopedPlatform::ScopedPlatform(Platform replacement) : saved_(platform()) {
  Platform& current = platform();
  if (replacement.tickCount) current.tickCount = std::move(replacement.tickCount);
  if (replacement.showFatalReport) current.showFatalReport = std::move(replacement.showFatalReport);
}

ScopedPlatform::~ScopedPlatform() { platform() = std::move(saved_); }

void reportFatalError(std::string_view message, std::optional<std::int32_t> number) {
  platform().showFatalReport(FatalReport{number, Text(message)});
  // A report that comes back has broken its contract; end all the same.
  std::_Exit(-1);
}

}  // namespace macbatch
