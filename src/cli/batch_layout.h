#pragma once
// How a batch is printed: one address a line, or joined by a separator, each
// optionally followed by its organisation, the whole optionally wrapped in a
// prefix and a suffix; or a JSON array.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli/output_writer.h"
#include "cli/separator_drop_sink.h"
#include "core/mac_address.h"

namespace macbatch {

// CR LF on Windows, LF elsewhere.
std::string_view platformLineEnd();

// Every CR LF and every LF of `text` as `lineEnd`.
std::string withLineEnds(std::string_view text, std::string_view lineEnd);

struct BatchLayout {
  MacFormat format = MacFormat::colon;
  bool lowerCase = false;
  std::string lineEnd = "\n";
  std::optional<std::string> separator;  // after every address, the last included; absent: lineEnd
  bool wrap = false;                     // prefix + batch + suffix, then dropSeparatorBeforeSuffix
  std::string prefix;
  std::string suffix;
  bool showVendor = false;
  bool json = false;
};

class BatchPrinter {
 public:
  // The layout's texts are taken as they are: line ends are the caller's.
  BatchPrinter(BatchLayout layout, ByteSink& sink);

  // `organisation` is printed with showVendor and json; without one, text
  // shows what kind of address it is (or "unknown") and JSON shows null.
  void add(MacAddress address, std::optional<std::string_view> organisation);
  // Ends the batch and hands everything on. An empty batch prints nothing
  // (JSON: an empty array).
  WriteStatus finish();
  // The sink has closed or failed: further addresses would be dropped.
  bool stopped() const { return writer_.stopped(); }

 private:
  BatchLayout layout_;
  std::unique_ptr<SeparatorDropSink> separatorDrop_;
  BufferedWriter writer_;
  std::string separator_;
  bool started_ = false;
};

}  // namespace macbatch
