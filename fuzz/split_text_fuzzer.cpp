// splitText cuts the texts of the window boxes and the vendor table at a
// separator that the user may also have typed.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/text_list.h"

namespace {

using macbatch::Text;
using macbatch::TextList;

std::vector<Text> membersOf(const TextList& list) {
  std::vector<Text> members;
  for (std::int32_t position = 1; position <= memberCount(list); ++position) {
    members.push_back(memberAt(list, position));
  }
  return members;
}

Text joined(const std::vector<Text>& members, std::string_view separator) {
  Text text;
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (i > 0) text.append(separator);
    text.append(members[i]);
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::optional<std::int32_t> limit =
      input.ConsumeBool() ? std::optional<std::int32_t>(input.ConsumeIntegral<std::int8_t>()) : std::nullopt;
  const std::string separator = input.ConsumeRandomLengthString(8);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::vector<Text> members = membersOf(macbatch::splitText(text, separator));
  const std::vector<Text> limited = membersOf(macbatch::splitText(text, separator, limit));

  if (text.empty()) {
    if (!members.empty() || !limited.empty()) __builtin_trap();
    return 0;
  }
  if (separator.empty() && members != std::vector<Text>{text}) __builtin_trap();

  // Joined again, the members give the text, but for one separator at its end.
  const Text rejoined = joined(members, separator);
  if (rejoined != text && rejoined + separator != text) __builtin_trap();

  // Cut where no separator was found, a member stays whole.
  for (const Text& member : members) {
    if (!member.empty() && macbatch::splitText(member, separator) != TextList({member})) __builtin_trap();
  }

  // A limit keeps the first members and drops the rest.
  const std::size_t kept =
      !limit ? members.size() : std::min(members.size(), static_cast<std::size_t>(std::max(*limit, 0)));
  if (limited != std::vector<Text>(members.begin(), members.begin() + static_cast<std::ptrdiff_t>(kept))) {
    __builtin_trap();
  }
  return 0;
}
