#include "cli/address_pool.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace macbatch {
namespace {

TEST(AddressPool, PrefixBlocksInOrderOfPrefix) {
  const AddressPool pool = AddressPool::ofPrefixes({0x001122, 0x000C29, 0x001122});
  EXPECT_EQ(pool.size(), 2u << 24);
  struct Case {
    std::uint64_t index;
    MacAddress address;
  };
  const Case cases[] = {
      {0, 0x000C29'000000},
      {0xFFFFFF, 0x000C29'FFFFFF},
      {1u << 24, 0x001122'000000},
      {(2u << 24) - 1, 0x001122'FFFFFF},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(pool.addressAt(c.index), c.address) << c.index;
    EXPECT_EQ(pool.indexOf(c.address), c.index) << c.index;
  }
  EXPECT_EQ(pool.indexOf(0x001123'000000), std::nullopt);
  EXPECT_EQ(pool.indexOf(0x000000'000000), std::nullopt);
}

TEST(AddressPool, LocalAddressesHaveTheLocalBitAndNeverTheGroupBit) {
  const AddressPool pool = AddressPool::locallyAdministered();
  EXPECT_EQ(pool.size(), std::uint64_t{1} << 46);
  const std::uint64_t indices[] = {
      0, 1, 0xFF'FFFF'FFFF, std::uint64_t{1} << 40, pool.size() - 1, 0x1234'5678'9ABC};
  for (const std::uint64_t index : indices) {
    const MacAddress address = pool.addressAt(index);
    EXPECT_TRUE(isLocallyAdministered(address)) << index;
    EXPECT_FALSE(isMulticast(address)) << index;
    EXPECT_EQ(address & ~macAddressMask, 0u) << index;
    EXPECT_EQ(pool.indexOf(address), index) << index;
  }
  EXPECT_EQ(pool.addressAt(0), 0x02'0000000000u);
  EXPECT_EQ(pool.addressAt(pool.size() - 1), 0xFE'FFFFFFFFFFu);
  EXPECT_EQ(pool.indexOf(0x00'1122334455), std::nullopt);  // universal
  EXPECT_EQ(pool.indexOf(0x03'1122334455), std::nullopt);  // group
}

}  // namespace
}  // namespace macbatch
