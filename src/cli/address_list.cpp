#include "cli/address_list.h"

namespace macbatch {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t longestQuoted = 40;

}  // namespace

std::string_view trimmedLine(std::string_view text) {
  constexpr std::string_view space = " \t\r";
  const std::size_t first = text.find_first_not_of(space);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(space) - first + 1);
}

std::string quotedInput(std::string_view text) {
  std::string quoted(1, '\'');
  quoted.append(text.substr(0, longestQuoted));
  quoted.append(text.size() > longestQuoted ? "...'" : "'");
  return quoted;
}

std::variant<std::vector<MacAddress>, AddressListError> parseAddressList(std::string_view text) {
  if (text.starts_with(byteOrderMark)) text.remove_prefix(byteOrderMark.size());
  std::vector<MacAddress> addresses;
  for (std::size_t line = 1; !text.empty(); ++line) {
    const std::size_t end = text.find('\n');
    const std::string_view entry = trimmedLine(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (entry.empty()) continue;
    const std::optional<MacAddress> address = parseMacAddress(entry);
    if (!address) return AddressListError{line, quotedInput(entry) + " is not an address"};
    addresses.push_back(*address);
  }
  return addresses;
}

}  // namespace macbatch
