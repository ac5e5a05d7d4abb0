#pragma once
// Lists of addresses one a line, as --exclude files and --lookup's input give them.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/mac_address.h"

namespace macbatch {

// `text` without the spaces, tabs and CRs around it.
std::string_view trimmedLine(std::string_view text);

// How an input that is not an address appears in a message: quoted, and cut
// short when long.
std::string quotedInput(std::string_view text);

struct AddressListError {
  std::size_t line;  // from 1
  std::string message;
};

// One address a line in any of the four forms; blank lines, white space around
// an address and a leading UTF-8 byte-order mark are allowed.
std::variant<std::vector<MacAddress>, AddressListError> parseAddressList(std::string_view text);

}  // namespace macbatch
