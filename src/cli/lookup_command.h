#pragma once
// --lookup and --list-vendors: what the compiled-in (or a loaded) registry says.

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/output_writer.h"
#include "core/mac_address.h"
#include "core/registry.h"

namespace macbatch {

struct LookupLayout {
  MacFormat format = MacFormat::colon;
  bool lowerCase = false;
  std::string lineEnd = "\n";
};

// ADDRESS<TAB>DESCRIPTION (see describeAddress) for each input, in order. An
// input that is not an address adds a message to `errors` naming it and
// `where` it was, and the others are still printed. False after such an input.
bool lookUpAddresses(const std::vector<std::string>& inputs, const Registry& registry,
                     const LookupLayout& layout, BufferedWriter& out, std::vector<std::string>& errors);

// The same for the lines of `input`; blank lines are skipped, and a message
// names the line.
bool lookUpLines(std::istream& input, const Registry& registry, const LookupLayout& layout,
                 BufferedWriter& out, std::vector<std::string>& errors);

// PREFIX<TAB>ORGANISATION for every MA-L assignment whose organisation
// contains `filter` (any case); how many there were.
std::size_t listVendors(std::string_view filter, const Registry& registry, const LookupLayout& layout,
                        BufferedWriter& out);

}  // namespace macbatch
