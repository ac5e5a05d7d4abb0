#pragma once
// Where a batch's addresses come from, and whose they are.

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/address_pool.h"
#include "core/registry.h"

namespace macbatch {

class AddressSource {
 public:
  // The window's vendor table; each address's organisation is its member's name.
  static AddressSource windowTable();
  // Every locally administered unicast address; none has an organisation.
  static AddressSource locallyAdministered();
  // The given prefixes; the organisation is the registry's longest match.
  static AddressSource registryPrefixes(std::vector<std::uint32_t> prefixes, const Registry& registry);

  const AddressPool& pool() const { return pool_; }
  std::optional<std::string_view> organisation(MacAddress address) const;

 private:
  AddressSource(AddressPool pool, std::vector<std::pair<std::uint32_t, std::string_view>> tableNames,
                const Registry* registry)
      : pool_(std::move(pool)), tableNames_(std::move(tableNames)), registry_(registry) {}

  AddressPool pool_;
  std::vector<std::pair<std::uint32_t, std::string_view>> tableNames_;  // by prefix, for the window's table
  const Registry* registry_;
};

}  // namespace macbatch
