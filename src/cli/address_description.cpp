#include "cli/address_description.h"

namespace macbatch {

std::optional<std::string_view> addressKindLabel(MacAddress address) {
  if ((address & macAddressMask) == macAddressMask) return "broadcast";
  if (isMulticast(address)) return "multicast";
  if (isLocallyAdministered(address)) return "locally administered";
  return std::nullopt;
}

std::string_view describeAddress(MacAddress address, const Registry& registry) {
  if (const std::optional<std::string_view> kind = addressKindLabel(address)) return *kind;
  if (const std::optional<Assignment> assignment = registry.lookup(address)) return assignment->organisation;
  return unknownOrganisation;
}

}  // namespace macbatch
