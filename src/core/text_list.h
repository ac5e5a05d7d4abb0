#pragma once
// An ordered list of texts addressed by positions 1 to memberCount.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/text.h"

namespace macbatch {

class TextList {
 public:
  TextList() = default;
  explicit TextList(std::vector<Text> members) : members_(std::move(members)) {}

  friend std::int32_t memberCount(const TextList& list);
  // A position outside 1..memberCount is a programming error and ends the
  // program through the fatal report (numbers 4 and 1).
  friend const Text& memberAt(const TextList& list, std::int32_t position);

  bool operator==(const TextList&) const = default;

 private:
  std::vector<Text> members_;
};

std::int32_t memberCount(const TextList& list);
const Text& memberAt(const TextList& list, std::int32_t position);

// Cuts `text` at every `separator`. An empty text or a limit of 0 gives the
// empty list; an empty separator gives the whole text as the one member. A
// separator at the start gives an empty first member, one at the very end adds
// no empty last member. With a limit, the scan stops after that many pieces and
// the rest of the text is dropped.
TextList splitText(std::string_view text, std::string_view separator = ",",
                   std::optional<std::int32_t> limit = std::nullopt);

}  // namespace macbatch
