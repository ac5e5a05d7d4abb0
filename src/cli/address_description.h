#pragma once
// The words the program prints for an address's owner.

#include <optional>
#include <string_view>

#include "core/mac_address.h"
#include "core/registry.h"

namespace macbatch {

inline constexpr std::string_view unknownOrganisation = "unknown";

// "broadcast", "multicast" or "locally administered": the addresses that no
// registry assignment names, whatever their first octets once were
// assigned to. Nothing for a universally administered unicast address.
std::optional<std::string_view> addressKindLabel(MacAddress address);

// What --lookup prints: the kind label, else the organisation of the longest
// matching assignment, else "unknown".
std::string_view describeAddress(MacAddress address, const Registry& registry);

}  // namespace macbatch
