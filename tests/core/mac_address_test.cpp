#include "core/mac_address.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace macbatch {
namespace {

constexpr MacFormat allFormats[] = {MacFormat::colon, MacFormat::hyphen, MacFormat::dot, MacFormat::bare};

TEST(FormatMacAddress, EveryFormatInBothCases) {
  struct Case {
    MacFormat format;
    bool lowerCase;
    const char* text;
  };
  const Case cases[] = {
      {MacFormat::colon, false, "0A:1B:2C:3D:4E:5F"},  {MacFormat::colon, true, "0a:1b:2c:3d:4e:5f"},
      {MacFormat::hyphen, false, "0A-1B-2C-3D-4E-5F"}, {MacFormat::hyphen, true, "0a-1b-2c-3d-4e-5f"},
      {MacFormat::dot, false, "0A1B.2C3D.4E5F"},       {MacFormat::dot, true, "0a1b.2c3d.4e5f"},
      {MacFormat::bare, false, "0A1B2C3D4E5F"},        {MacFormat::bare, true, "0a1b2c3d4e5f"},
  };
  for (const Case& c : cases) EXPECT_EQ(formatMacAddress(0x0A1B2C3D4E5F, c.format, c.lowerCase), c.text);
}

TEST(FormatMacAddress, AppendsAndIgnoresBitsAboveTheAddress) {
  std::string out = "mac=";
  appendMacAddress(out, 0xFFFF'0000'0000'0001ull, MacFormat::colon);
  EXPECT_EQ(out, "mac=00:00:00:00:00:01");
  // A format value outside the enumeration still prints an address.
  EXPECT_EQ(formatMacAddress(0x0A1B2C3D4E5F, static_cast<MacFormat>(42)), "0A:1B:2C:3D:4E:5F");
}

TEST(ParseMacAddress, ReadsBackWhatWasFormatted) {
  const MacAddress addresses[] = {0, macAddressMask, 0x0123456789AB, 0xA0B1C2D3E4F5, 0x010000000001};
  for (const MacAddress address : addresses) {
    for (const MacFormat format : allFormats) {
      for (const bool lowerCase : {false, true}) {
        const std::string text = formatMacAddress(address, format, lowerCase);
        EXPECT_EQ(parseMacAddress(text), address) << text;
      }
    }
  }
}

TEST(ParseMacAddress, AcceptsMixedCaseDigits) {
  EXPECT_EQ(parseMacAddress("aB:cD:Ef:01:23:45"), 0xABCDEF012345u);
  EXPECT_EQ(parseMacAddress("aBcD.Ef01.2345"), 0xABCDEF012345u);
}

TEST(ParseMacAddress, RejectsAnythingElse) {
  const std::string_view rejected[] = {
      "",
      "AA:BB:CC:DD:EE",
      "AA:BB:CC:DD:EE:FF:00",
      "AA:BB:CC:DD:EE:F",
      "AABBCCDDEEF",
      "AABBCCDDEEFF0",
      "AA:BB-CC:DD:EE:FF",
      "AA-BB-CC-DD-EE:FF",
      "AA.BB.CC.DD.EE.FF",
      "AABB.CCDD-EEFF",
      "AAB.BCCDD.EEFF",
      "AABB:CCDD:EEFF",
      "AAA:BB:CC:DD:EE:F",
      "AA:BB:CC:DD:EE:FG",
      "GABBCCDDEEFF",
      " AA:BB:CC:DD:EE:FF",
      "AA:BB:CC:DD:EE:FF ",
      "AA BB CC DD EE FF",
      "0x0123456789AB",
      "+0123456789A",
      std::string_view("AABBCCDDEEF\0", 12),
      "AABBCCDDEE\xC3\xA1",
  };
  for (const std::string_view text : rejected) EXPECT_EQ(parseMacAddress(text), std::nullopt) << text;
}

TEST(ParseOui, ThreeOctetsWithOrWithoutSeparators) {
  struct Case {
    std::string_view text;
    std::optional<std::uint32_t> prefix;
  };
  const Case cases[] = {
      {"00:1A:2b", 0x001A2B},
      {"00-1a-2B", 0x001A2B},
      {"001a2b", 0x001A2B},
      {"FF:FF:FF", 0xFFFFFF},
      {"", std::nullopt},
      {"00:1A-2B", std::nullopt},
      {"001A2", std::nullopt},
      {"001A2B3", std::nullopt},
      {"00:1A:2B:", std::nullopt},
      {"00.1A.2B", std::nullopt},
      {"0G1A2B", std::nullopt},
      {" 001A2B", std::nullopt},
      {"00:1A:2B:3C:4D:5E", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseOui(c.text), c.prefix) << c.text;
}

TEST(MacAddressBits, MulticastAndLocallyAdministeredComeFromTheFirstOctet) {
  struct Case {
    MacAddress address;
    bool multicast;
    bool local;
  };
  const Case cases[] = {
      {0x000000000000, false, false}, {0x01005E000001, true, false},  {0x020000000000, false, true},
      {0x030000000000, true, true},   {0xFEFFFFFFFFFF, false, true},  {0xFFFFFFFFFFFF, true, true},
      {0x00FFFFFFFFFF, false, false}, {0x0C0000000000, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isMulticast(c.address), c.multicast) << formatMacAddress(c.address, MacFormat::colon);
    EXPECT_EQ(isLocallyAdministered(c.address), c.local) << formatMacAddress(c.address, MacFormat::colon);
  }
}

}  // namespace
}  // namespace macbatch
