#include "cli/address_pool.h"

#include <algorithm>

namespace macbatch {
namespace {

constexpr int suffixBits = 24;
constexpr std::uint64_t suffixMask = (1ull << suffixBits) - 1;

// A local unicast address is its first octet's upper six bits and the 40 bits after it.
constexpr int localTailBits = 40;
constexpr std::uint64_t localTailMask = (1ull << localTailBits) - 1;
constexpr std::uint64_t localPoolSize = 1ull << (localTailBits + 6);

}  // namespace

AddressPool AddressPool::ofPrefixes(std::vector<std::uint32_t> prefixes) {
  for (std::uint32_t& prefix : prefixes) prefix &= suffixMask;
  std::sort(prefixes.begin(), prefixes.end());
  prefixes.erase(std::unique(prefixes.begin(), prefixes.end()), prefixes.end());
  return AddressPool(std::move(prefixes), false);
}

AddressPool AddressPool::locallyAdministered() { return AddressPool({}, true); }

std::uint64_t AddressPool::size() const {
  return local_ ? localPoolSize : static_cast<std::uint64_t>(prefixes_.size()) << suffixBits;
}

MacAddress AddressPool::addressAt(std::uint64_t index) const {
  if (local_) {
    const std::uint64_t firstOctet = ((index >> localTailBits) << 2) | 0x02;
    return (firstOctet << localTailBits) | (index & localTailMask);
  }
  return (static_cast<MacAddress>(prefixes_[index >> suffixBits]) << suffixBits) | (index & suffixMask);
}

std::optional<std::uint64_t> AddressPool::indexOf(MacAddress address) const {
  address &= macAddressMask;
  if (local_) {
    if (!isLocallyAdministered(address) || isMulticast(address)) return std::nullopt;
    return ((address >> (localTailBits + 2)) << localTailBits) | (address & localTailMask);
  }
  const auto prefix = static_cast<std::uint32_t>(address >> suffixBits);
  const auto found = std::lower_bound(prefixes_.begin(), prefixes_.end(), prefix);
  if (found == prefixes_.end() || *found != prefix) return std::nullopt;
  return (static_cast<std::uint64_t>(found - prefixes_.begin()) << suffixBits) | (address & suffixMask);
}

}  // namespace macbatch
