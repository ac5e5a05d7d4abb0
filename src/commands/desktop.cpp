#include "commands/desktop.h"

#include <utility>

namespace macbatch {

Desktop& desktop() {
  static Desktop services{
      .copyToClipboard = [](std::string_view) { return false; },
      .openInBrowser = [](std::string_view) {},
  };
  return services;
}

ScopedDesktop::ScopedDesktop(Desktop replacement) : saved_(desktop()) {
  Desktop& current = desktop();
  if (replacement.copyToClipboard) current.copyToClipboard = std::move(replacement.copyToClipboard);
  if (replacement.openInBrowser) current.openInBrowser = std::move(replacement.openInBrowser);
}

ScopedDesktop::~ScopedDesktop() { desktop() = std::move(saved_); }

}  // namespace macbatch
