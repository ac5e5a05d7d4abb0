#include "cli/address_source.h"

#include <algorithm>

#include "core/vendor_table.h"

namespace macbatch {

AddressSource AddressSource::windowTable() {
  std::vector<std::pair<std::uint32_t, std::string_view>> names;
  std::vector<std::uint32_t> prefixes;
  for (const VendorPrefix& member : vendorPrefixes) {
    const std::optional<std::uint32_t> prefix = parseOui(member.prefix);
    if (!prefix) continue;  // the table's own test holds every member to the form
    names.emplace_back(*prefix, member.vendor);
    prefixes.push_back(*prefix);
  }
  std::stable_sort(names.begin(), names.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  return AddressSource(AddressPool::ofPrefixes(std::move(prefixes)), std::move(names), nullptr);
}

AddressSource AddressSource::locallyAdministered() {
  return AddressSource(AddressPool::locallyAdministered(), {}, nullptr);
}

AddressSource AddressSource::registryPrefixes(std::vector<std::uint32_t> prefixes, const Registry& registry) {
  return AddressSource(AddressPool::ofPrefixes(std::move(prefixes)), {}, &registry);
}

std::optional<std::string_view> AddressSource::organisation(MacAddress address) const {
  if (registry_ != nullptr) {
    if (const std::optional<Assignment> assignment = registry_->lookup(address))
      return assignment->organisation;
    return std::nullopt;
  }
  const auto prefix = static_cast<std::uint32_t>((address & macAddressMask) >> 24);
  const auto found =
      std::lower_bound(tableNames_.begin(), tableNames_.end(), prefix,
                       [](const auto& entry, std::uint32_t value) { return entry.first < value; });
  if (found == tableNames_.end() || found->first != prefix) return std::nullopt;
  return found->second;
}

}  // namespace macbatch
