#pragma once
// The desktop services that the commands use: the clipboard and the browser.
//
// The Win32 program installs the real services at start-up; tests install
// fakes with ScopedDesktop. Texts cross this boundary as UTF-8.

#include <functional>
#include <string_view>

namespace macbatch {

struct Desktop {
  // Places the text on the clipboard; false when the clipboard could not be
  // opened or the memory block not allocated.
  std::function<bool(std::string_view text)> copyToClipboard{};
  // Hands the URL to the shell's "open" action; the outcome is not reported.
  std::function<void(std::string_view url)> openInBrowser{};
};

// The services in force. The defaults need no window system: no clipboard
// and no browser.
Desktop& desktop();

// Replaces the services for the lifetime of the object, restoring the old ones
// after. Members left empty keep the services in force.
class ScopedDesktop {
 public:
  explicit ScopedDesktop(Desktop replacement);
  ~ScopedDesktop();
  ScopedDesktop(const ScopedDesktop&) = delete;
  ScopedDesktop& operator=(const ScopedDesktop&) = delete;

 private:
  Desktop saved_;
};

}  // namespace macbatch
