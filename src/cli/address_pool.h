#pragma once
// The addresses a batch is drawn from, numbered 0 to size() - 1: either every
// address under a set of 24-bit prefixes, or every locally administered
// unicast address.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/mac_address.h"

namespace macbatch {

class AddressPool {
 public:
  // Repeated prefixes count once.
  static AddressPool ofPrefixes(std::vector<std::uint32_t> prefixes);
  // First octet with the locally administered bit (0x02) set and the group bit (0x01) clear.
  static AddressPool locallyAdministered();

  std::uint64_t size() const;
  MacAddress addressAt(std::uint64_t index) const;
  std::optional<std::uint64_t> indexOf(MacAddress address) const;

  bool isLocal() const { return local_; }
  std::span<const std::uint32_t> prefixes() const { return prefixes_; }

 private:
  AddressPool(std::vector<std::uint32_t> prefixes, bool local)
      : prefixes_(std::move(prefixes)), local_(local) {}

  std::vector<std::uint32_t> prefixes_;  // sorted, unique
  bool local_;
};

}  // namespace macbatch
