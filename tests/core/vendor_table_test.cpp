#include "core/vendor_table.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace macbatch {
namespace {

// Local on purpose: the table is checked against the plainest reading of its
// separator, independent of the project's own splitting.
std::vector<std::string_view> splitAtCrLf(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find("\r\n");
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 2);
  }
}

bool isUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

int hexValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

int firstOctet(std::string_view prefix) { return hexValue(prefix[0]) * 16 + hexValue(prefix[1]); }

bool isPrefixForm(std::string_view s) {
  return s.size() == 8 && isUpperHex(s[0]) && isUpperHex(s[1]) && s[2] == ':' && isUpperHex(s[3]) &&
         isUpperHex(s[4]) && s[5] == ':' && isUpperHex(s[6]) && isUpperHex(s[7]);
}

// Lead byte sets the sequence length; only continuation bytes may follow it.
bool isWellFormedUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || i + length > s.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

const std::vector<std::string_view>& members() {
  static const std::vector<std::string_view> parts = splitAtCrLf(vendorPrefixTable);
  return parts;
}

TEST(VendorTableText, HasTheExactSizeAndMemberCount) {
  EXPECT_EQ(vendorPrefixTable.size(), 11698u);
  EXPECT_EQ(members().size(), vendorPrefixCount);
  EXPECT_NE(vendorPrefixTable.back(), '\n');
}

TEST(VendorTableText, EveryMemberIsThreeUpperCaseHexOctets) {
  for (std::size_t i = 0; i < members().size(); ++i) {
    EXPECT_TRUE(isPrefixForm(members()[i])) << "member " << i + 1 << ": " << members()[i];
  }
}

TEST(VendorTableText, MembersAreStrictlyAscending) {
  for (std::size_t i = 1; i < members().size(); ++i) {
    EXPECT_LT(members()[i - 1], members()[i]) << "at member " << i + 1;
  }
}

TEST(VendorTableText, FirstOctetsSpanSeventyValuesFrom08ToFC) {
  std::set<int> octets;
  for (std::string_view m : members()) {
    ASSERT_TRUE(isPrefixForm(m));
    EXPECT_NE(m.substr(0, 2), "00") << m;
    octets.insert(firstOctet(m));
  }
  EXPECT_EQ(octets.size(), 70u);
  EXPECT_EQ(*octets.begin(), 0x08);
  EXPECT_EQ(*octets.rbegin(), 0xFC);
}

TEST(VendorTableText, CountsGroupAndLocallyAdministeredMembers) {
  std::vector<std::string_view> group;
  int local = 0;
  for (std::string_view m : members()) {
    ASSERT_TRUE(isPrefixForm(m));
    if (firstOctet(m) & 0x01) group.push_back(m);
    if (firstOctet(m) & 0x02) ++local;
  }
  EXPECT_EQ(group, (std::vector<std::string_view>{"09:00:6A", "11:00:AA", "47:54:43"}));
  EXPECT_EQ(local, 12);
}

TEST(VendorTableText, FixedMembersSitAtTheirPositions) {
  struct Case {
    std::size_t position;  // 1-based
    std::string_view prefix;
  };
  const Case cases[] = {
      {1, "08:00:79"},   {2, "08:00:7A"},   {39, "09:00:6A"},  {91, "11:00:AA"},   {192, "2E:2E:2E"},
      {312, "47:54:43"}, {360, "52:54:00"}, {585, "7C:55:E7"}, {794, "AA:00:00"},  {795, "AA:00:01"},
      {796, "AA:00:02"}, {797, "AA:00:03"}, {798, "AA:00:04"}, {1169, "FC:ED:B9"}, {1170, "FC:FA:F7"},
  };
  ASSERT_EQ(members().size(), vendorPrefixCount);
  for (const Case& c : cases) {
    EXPECT_EQ(members()[c.position - 1], c.prefix) << "position " << c.position;
  }
}

TEST(VendorTableArray, JoinsToTheTableText) {
  std::string joined;
  for (const VendorPrefix& p : vendorPrefixes) {
    if (!joined.empty()) joined += "\r\n";
    joined += p.prefix;
  }
  EXPECT_EQ(joined, vendorPrefixTable);
}

TEST(VendorTableArray, EveryVendorIsATrimmedPrintableUtf8Name) {
  for (const VendorPrefix& p : vendorPrefixes) {
    ASSERT_FALSE(p.vendor.empty()) << p.prefix;
    EXPECT_NE(p.vendor.front(), ' ') << p.prefix;
    EXPECT_NE(p.vendor.back(), ' ') << p.prefix;
    EXPECT_TRUE(isWellFormedUtf8(p.vendor)) << p.prefix;
    for (char c : p.vendor) {
      EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F) << p.prefix << ": " << p.vendor;
    }
  }
}

}  // namespace
}  // namespace macbatch
