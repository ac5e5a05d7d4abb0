#pragma once
// The built-in table of MAC-address vendor prefixes the batch command draws
// from. The definitions are generated: see tools/make_vendor_table.py.

#include <array>
#include <cstddef>
#include <string_view>

namespace macbatch {

struct VendorPrefix {
  std::string_view prefix;  // "XX:XX:XX", upper-case hex
  std::string_view vendor;  // UTF-8
};

inline constexpr std::size_t vendorPrefixCount = 1170;

// The members, in ascending order, each with the organisation the registry
// names. The few members that are not registry assignments (group or locally
// administered blocks, such as the 52:54:00 of QEMU/KVM virtual NICs) carry a
// short description of what they are instead.
extern const std::array<VendorPrefix, vendorPrefixCount> vendorPrefixes;

// The members joined by "\r\n", nothing after the last: what the batch
// command splits.
extern const std::string_view vendorPrefixTable;

}  // namespace macbatch
