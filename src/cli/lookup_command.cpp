#include "cli/lookup_command.h"

#include "cli/address_description.h"
#include "cli/address_list.h"

namespace macbatch {
namespace {

// False when `text` is not an address.
bool lookUpOne(std::string_view text, const Registry& registry, const LookupLayout& layout,
               BufferedWriter& out) {
  const std::optional<MacAddress> address = parseMacAddress(text);
  if (!address) return false;
  std::string& buffer = out.buffer();
  appendMacAddress(buffer, *address, layout.format, layout.lowerCase);
  buffer += '\t';
  buffer += describeAddress(*address, registry);
  buffer += layout.lineEnd;
  out.flushWhenFull();
  return true;
}

}  // namespace

bool lookUpAddresses(const std::vector<std::string>& inputs, const Registry& registry,
                     const LookupLayout& layout, BufferedWriter& out, std::vector<std::string>& errors) {
  bool allRead = true;
  for (const std::string& input : inputs) {
    if (out.stopped()) break;
    if (!lookUpOne(input, registry, layout, out)) {
      errors.push_back("--lookup: " + quotedInput(input) + " is not an address");
      allRead = false;
    }
  }
  return allRead;
}

bool lookUpLines(std::istream& input, const Registry& registry, const LookupLayout& layout,
                 BufferedWriter& out, std::vector<std::string>& errors) {
  bool allRead = true;
  std::string line;
  for (std::size_t number = 1; !out.stopped() && std::getline(input, line); ++number) {
    const std::string_view text = trimmedLine(line);
    if (text.empty()) continue;
    if (!lookUpOne(text, registry, layout, out)) {
      errors.push_back("standard input, line " + std::to_string(number) + ": " + quotedInput(text) +
                       " is not an address");
      allRead = false;
    }
  }
  return allRead;
}

std::size_t listVendors(std::string_view filter, const Registry& registry, const LookupLayout& layout,
                        BufferedWriter& out) {
  const std::vector<Assignment> matches = registry.maLMatching(filter);
  for (const Assignment& assignment : matches) {
    if (out.stopped()) break;
    std::string& buffer = out.buffer();
    // The prefix is the address's first eight characters in colon form: "XX:XX:XX".
    const std::size_t start = buffer.size();
    appendMacAddress(buffer, assignment.base, MacFormat::colon, layout.lowerCase);
    buffer.resize(start + 8);
    buffer += '\t';
    buffer += assignment.organisation;
    buffer += layout.lineEnd;
    out.flushWhenFull();
  }
  return matches.size();
}

}  // namespace macbatch
