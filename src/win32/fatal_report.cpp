#include "win32/fatal_report.h"

#include <windows.h>

#include <utility>

#include "core/platform.h"
#include "win32/wide_text.h"

namespace macbatch::win32 {
namespace {

bool reportStarted = false;

[[noreturn]] void showFatalReportBox(const FatalReport& report) {
  // Reached again when the report itself runs out of memory.
  if (std::exchange(reportStarted, true)) ExitProcess(static_cast<UINT>(-1));
  const std::wstring text = toWide(fatalReportText(report));
  MessageBoxW(nullptr, text.c_str(), L"错误", MB_OK | MB_ICONERROR);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace

void installFatalReport() { platform().showFatalReport = showFatalReportBox; }

bool fatalReportStarted() { return reportStarted; }

}  // namespace macbatch::win32
