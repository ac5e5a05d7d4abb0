#include "core/registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/mac_address.h"
#include "core/registry_data.h"
#include "support/temp_folder.h"

namespace macbatch {
namespace {

const std::filesystem::path fixtureFolder =
    std::filesystem::path(MACBATCH_TEST_DATA_DIR) / "registry_fixture";

const char* const header = "Registry,Assignment,Organization Name,Organization Address\n";

struct Row {
  std::uint64_t prefix;
  std::string organisation;
  bool operator==(const Row&) const = default;
};

std::vector<Row> rowsOf(const std::vector<RegistryCsvRow>& rows) {
  std::vector<Row> plain;
  for (const RegistryCsvRow& row : rows) plain.push_back({row.prefix, row.organisation});
  return plain;
}

std::string utf8Path(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

Registry loadFixture() {
  auto loaded = Registry::fromDirectory(fixtureFolder);
  if (const auto* error = std::get_if<RegistryError>(&loaded)) {
    ADD_FAILURE() << describeRegistryError(*error);
    return Registry(std::array<std::vector<RegistryCsvRow>, 4>{});
  }
  return std::get<Registry>(std::move(loaded));
}


TEST(ParseRegistryCsv, ReadsRowsOfEveryShape) {
  struct Case {
    const char* what;
    std::string csv;
    std::vector<Row> rows;
  };
  const Case cases[] = {
      {"header only", header, {}},
      {"header without a line end", "Registry,Assignment,Organization Name,Organization Address", {}},
      {"line feeds",
       std::string(header) + "MA-L,00D0EF,IGT,RENO NV US\nMA-L,002272,Micro Fuel,Ferndale\n",
       {{0x00D0EF, "IGT"}, {0x002272, "Micro Fuel"}}},
      {"CRLF, no line end at the end",
       "R,A,O,A\r\nMA-L,00D0EF,IGT,RENO\r\nMA-L,002272,Micro Fuel,Ferndale",
       {{0x00D0EF, "IGT"}, {0x002272, "Micro Fuel"}}},
      {"carriage returns alone",
       "R,A,O,A\rMA-L,00D0EF,IGT,RENO\rMA-L,002272,Micro Fuel,Ferndale\r",
       {{0x00D0EF, "IGT"}, {0x002272, "Micro Fuel"}}},
      {"byte order mark and blank lines",
       "\xEF\xBB\xBFR,A,O,A\r\n\r\nMA-L,00D0EF,IGT,RENO\r\n\r\n\r\n",
       {{0x00D0EF, "IGT"}}},
      {"quoted fields",
       std::string(header) + "MA-L,C419D1,\"Telink, \"\"Shanghai\"\" Ltd.\",\"1 Road, Town\"\n",
       {{0xC419D1, "Telink, \"Shanghai\" Ltd."}}},
      {"address over three lines",
       std::string(header) +
           "MA-L,C404D8,Aviva Links Inc.,\"160 E Tasman Dr\r\nSTE 102\nSAN JOSE \"\r\nMA-L,00D0EF,IGT,\r\n",
       {{0xC404D8, "Aviva Links Inc."}, {0x00D0EF, "IGT"}}},
      {"quote inside an unquoted field",
       std::string(header) + "MA-L,00D0EF,Joe's \"Best\" Shop,Town\n",
       {{0x00D0EF, "Joe's \"Best\" Shop"}}},
      {"lower-case digits, three columns, five columns",
       std::string(header) + "MA-L,ac1f6b,Ac\nMA-L,AC1F6C,Ad,x,y\n",
       {{0xAC1F6B, "Ac"}, {0xAC1F6C, "Ad"}}},
      {"control characters and spaces",
       std::string(header) +
           "MA-L,000001,\"\t Name\tInside  \xE2\x80\x82\",\nMA-L,000002,\"\xC2\xA0\xE3\x80\x80\",\n"
           "MA-L,000003,\"Caf\xC3\xA9 \xE2\x80\x8B\",\n",
       {{0x000001, "Name Inside"}, {0x000002, ""}, {0x000003, "Caf\xC3\xA9 \xE2\x80\x8B"}}},
      {"repeated assignments stay",
       std::string(header) + "MA-L,080030,First,\nMA-L,080030,Second,\n",
       {{0x080030, "First"}, {0x080030, "Second"}}},
  };
  for (const Case& c : cases) {
    const auto parsed = parseRegistryCsv(c.csv, RegistryKind::maL, "oui.csv");
    if (const auto* error = std::get_if<RegistryError>(&parsed)) {
      ADD_FAILURE() << c.what << ": " << describeRegistryError(*error);
      continue;
    }
    EXPECT_EQ(rowsOf(std::get<std::vector<RegistryCsvRow>>(parsed)), c.rows) << c.what;
  }
}

TEST(ParseRegistryCsv, EachRegistryHasItsNameAndDigitCount) {
  struct Case {
    RegistryKind kind;
    const char* row;
    std::uint64_t prefix;
  };
  const Case cases[] = {
      {RegistryKind::maL, "MA-L,00D0EF,IGT,", 0x00D0EF},
      {RegistryKind::maM, "MA-M,208593B,IOG Products LLC,", 0x208593B},
      {RegistryKind::maS, "MA-S,70B3D5F2F,TELEPLATFORMS,", 0x70B3D5F2F},
      {RegistryKind::iab, "IAB,0050C27D5,DEUTA-WERKE GmbH,", 0x0050C27D5},
  };
  for (const Case& c : cases) {
    const auto parsed = parseRegistryCsv(std::string(header) + c.row, c.kind, "file.csv");
    ASSERT_TRUE(std::holds_alternative<std::vector<RegistryCsvRow>>(parsed)) << c.row;
    const auto& rows = std::get<std::vector<RegistryCsvRow>>(parsed);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].prefix, c.prefix);
  }
}

TEST(ParseRegistryCsv, ErrorsNameTheFileAndTheLineTheRowStartsOn) {
  struct Case {
    RegistryKind kind;
    std::string csv;
    std::size_t line;
    const char* reasonPart;
  };
  const std::string h = header;
  const Case cases[] = {
      {RegistryKind::maL, "", 0, "empty"},
      {RegistryKind::maL, "\xEF\xBB\xBF", 0, "empty"},
      {RegistryKind::maL, "\"Registry,Assignment\n", 1, "not closed"},
      {RegistryKind::maL, h + "MA-M,00D0EF,IGT,\n", 2, "not MA-L"},
      {RegistryKind::maL, h + "ma-l,00D0EF,IGT,\n", 2, "not MA-L"},
      {RegistryKind::maS, h + "IAB,0050C27D5,DEUTA,\n", 2, "not MA-S"},
      {RegistryKind::iab, h + "MA-S,70B3D5F2F,TELE,\n", 2, "not IAB"},
      {RegistryKind::maL, h + "MA-L,00D0E,IGT,\n", 2, "not 6 hex digits"},
      {RegistryKind::maL, h + "MA-L,00D0EF0,IGT,\n", 2, "not 6 hex digits"},
      {RegistryKind::maL, h + "MA-L,00D0EG,IGT,\n", 2, "not 6 hex digits"},
      {RegistryKind::maL, h + "MA-L, 00D0EF,IGT,\n", 2, "not 6 hex digits"},
      {RegistryKind::maM, h + "MA-M,208593,IOG,\n", 2, "not 7 hex digits"},
      {RegistryKind::maS, h + "MA-S,70B3D5F2,TELE,\n", 2, "not 9 hex digits"},
      {RegistryKind::maL, h + "MA-L,00D0EF\n", 2, "at least 3 columns"},
      {RegistryKind::maL, h + "MA-L,00D0EF,IGT,\nMA-L,002272,\"Micro,Ferndale\n", 3, "not closed"},
      {RegistryKind::maL, h + "MA-L,00D0EF,\"IGT\"x,Reno\n", 2, "follows a closing quote"},
      {RegistryKind::maL, h + "MA-L,00D0EF,IGT,\"Reno\nNV\"\r\nMA-L,002272,A,\"B\r\nC\"\n\nMA-L,0022,X,\n", 7,
       "not 6 hex digits"},
      {RegistryKind::maL, h + "MA-L,00D0EF,I\xFFGT,\n", 2, "not UTF-8"},
      {RegistryKind::maL, h + "MA-L,00D0EF,I\xC3,\n", 2, "not UTF-8"},
      {RegistryKind::maL, h + "MA-L,00D0EF,I\xC0\xAF,\n", 2, "not UTF-8"},
      {RegistryKind::maL, h + "MA-L,00D0EF,I\xED\xA0\x80,\n", 2, "not UTF-8"},
      {RegistryKind::maL, h + "MA-L,00D0EF,IGT,\n \n", 3, "at least 3 columns"},
      {static_cast<RegistryKind>(9), h, 0, "not a known registry"},
  };
  for (const Case& c : cases) {
    const auto parsed = parseRegistryCsv(c.csv, c.kind, "some/oui.csv");
    const auto* error = std::get_if<RegistryError>(&parsed);
    if (error == nullptr) {
      ADD_FAILURE() << "accepted: " << c.csv;
      continue;
    }
    EXPECT_EQ(error->file, "some/oui.csv") << c.csv;
    EXPECT_EQ(error->line, c.line) << c.csv;
    EXPECT_NE(error->reason.find(c.reasonPart), std::string::npos) << error->reason;
  }
}

TEST(DescribeRegistryError, FileThenLineThenReason) {
  EXPECT_EQ(describeRegistryError({"oui.csv", 12, "bad row"}), "oui.csv:12: bad row");
  EXPECT_EQ(describeRegistryError({"oui.csv", 0, "not found"}), "oui.csv: not found");
}

TEST(Registry, FixtureLookupTakesTheLongestAssignment) {
  const Registry registry = loadFixture();
  struct Case {
    MacAddress address;
    std::optional<Assignment> expected;
  };
  const Case cases[] = {
      {0x70B3D5A12FFF, Assignment{0x70B3D5A12000, 36, RegistryKind::maS, "Small Block Company"}},
      {0x70B3D5A30000, Assignment{0x70B3D5A00000, 28, RegistryKind::maM, "Medium Block Company"}},
      {0x70B3D5001000, Assignment{0x70B3D5001000, 36, RegistryKind::maS, "Smallest Sensors GmbH"}},
      {0x70B3D5000FFF, Assignment{0x70B3D5000000, 24, RegistryKind::maL, "Example Registration Office"}},
      {0x70B3D5B00000, Assignment{0x70B3D5000000, 24, RegistryKind::maL, "Example Registration Office"}},
      {0x00000C123456, Assignment{0x00000C000000, 24, RegistryKind::maL, "Alpha Networks, Inc."}},
      {0xFFFF'0000'0C12'3456, Assignment{0x00000C000000, 24, RegistryKind::maL, "Alpha Networks, Inc."}},
      {0xAC1F6B000000, Assignment{0xAC1F6B000000, 24, RegistryKind::maL, "The \"Quoted\" Company"}},
      {0x0A0B0CFFFFFF, Assignment{0x0A0B0C000000, 24, RegistryKind::maL, "Beta Devices Ltd"}},
      {0x0050C2123FFF, Assignment{0x0050C2123000, 36, RegistryKind::iab, "Individual Block Lab"}},
      {0x123456F00000, Assignment{0x123456F00000, 28, RegistryKind::maM, "Private"}},
      {0x123456E00000, std::nullopt},
      {0x0050C2124000, std::nullopt},
      {0x000000000000, std::nullopt},
      {0xFFFFFFFFFFFF, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<Assignment> found = registry.lookup(c.address);
    const std::string address = formatMacAddress(c.address, MacFormat::colon);
    ASSERT_EQ(found.has_value(), c.expected.has_value()) << address;
    if (!found) continue;
    EXPECT_EQ(found->base, c.expected->base) << address;
    EXPECT_EQ(found->prefixBits, c.expected->prefixBits) << address;
    EXPECT_EQ(found->kind, c.expected->kind) << address;
    EXPECT_EQ(found->organisation, c.expected->organisation) << address;
  }
}

TEST(Registry, FixtureKeepsTheFirstOfRepeatedAssignments) {
  const Registry registry = loadFixture();
  EXPECT_EQ(registry.size(RegistryKind::maL), 4u);
  EXPECT_EQ(registry.size(RegistryKind::maM), 2u);
  EXPECT_EQ(registry.size(RegistryKind::maS), 2u);
  EXPECT_EQ(registry.size(RegistryKind::iab), 1u);
  EXPECT_EQ(registry.size(), 9u);
}

TEST(Registry, MaLMatchingIgnoresAsciiCaseAndKeepsPrefixOrder) {
  const Registry registry = loadFixture();
  struct Case {
    std::string_view text;
    std::vector<MacAddress> bases;
  };
  const Case cases[] = {
      {"", {0x00000C000000, 0x0A0B0C000000, 0x70B3D5000000, 0xAC1F6B000000}},
      {"NETWORKS, inc", {0x00000C000000}},
      {"\"quoted\"", {0xAC1F6B000000}},
      {"e", {0x00000C000000, 0x0A0B0C000000, 0x70B3D5000000, 0xAC1F6B000000}},
      {"Medium Block", {}},
      {"Beta Devices Ltd ", {}},
  };
  for (const Case& c : cases) {
    std::vector<MacAddress> bases;
    for (const Assignment& match : registry.maLMatching(c.text)) {
      EXPECT_EQ(match.kind, RegistryKind::maL);
      EXPECT_EQ(match.prefixBits, 24);
      bases.push_back(match.base);
    }
    EXPECT_EQ(bases, c.bases) << c.text;
  }
}

TEST(Registry, NamesStayValidWhenTheRegistryMovesOrItsCopyDies) {
  std::vector<Registry> registries;
  registries.push_back(loadFixture());
  const std::optional<Assignment> before = registries.front().lookup(0x00000C000001);
  ASSERT_TRUE(before.has_value());
  for (int i = 0; i < 8; ++i) registries.push_back(Registry(registries.back()));  // regrows and moves
  registries.erase(registries.begin(), registries.end() - 1);
  Registry moved = std::move(registries.back());
  registries.clear();
  EXPECT_EQ(before->organisation, "Alpha Networks, Inc.");
  EXPECT_EQ(moved.lookup(0x00000C000001)->organisation, "Alpha Networks, Inc.");
}

TEST(Registry, KeepsTheFirstRowOfAnAssignmentWhereverTheRepeatsLie) {
  std::array<std::vector<RegistryCsvRow>, 4> rows;
  for (std::uint64_t round = 0; round < 3; ++round) {
    for (std::uint64_t prefix = 64; prefix-- > 0;) {
      rows[0].push_back({prefix, "round " + std::to_string(round)});
    }
  }
  const Registry registry(std::move(rows));
  EXPECT_EQ(registry.size(), 64u);
  for (MacAddress prefix = 0; prefix < 64; ++prefix) {
    EXPECT_EQ(registry.lookup(prefix << 24)->organisation, "round 0") << prefix;
  }
}

TEST(Registry, CutsOverlongNamesAtACharacterBoundary) {
  std::string name(70000, 'a');
  name.replace(65534, 2, "\xC3\xA9");  // é straddles the 65535-byte limit
  std::array<std::vector<RegistryCsvRow>, 4> rows;
  rows[0].push_back({0x00D0EF, name});
  const Registry registry(std::move(rows));
  EXPECT_EQ(registry.lookup(0x00D0EF000000)->organisation, std::string(65534, 'a'));
}

TEST(Registry, FromDirectoryReportsTheFileAndLine) {
  const auto fixtureText = [](std::string_view name) {
    std::ifstream in(fixtureFolder / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::optional<std::string>>> files;  // nullopt: a folder
    const char* file;
    std::size_t line;
    const char* reasonPart;
  };
  const std::string allButIab[] = {"oui.csv", "mam.csv", "oui36.csv"};
  std::vector<std::pair<std::string, std::optional<std::string>>> goodThree;
  for (const std::string& name : allButIab) goodThree.emplace_back(name, fixtureText(name));
  auto withIab = [&](std::string text) {
    auto files = goodThree;
    files.emplace_back("iab.csv", std::move(text));
    return files;
  };
  const Case cases[] = {
      {"empty folder", {}, "oui.csv", 0, "not found"},
      {"only oui.csv", {{"oui.csv", fixtureText("oui.csv")}}, "mam.csv", 0, "not found"},
      {"oui.csv is a folder", {{"oui.csv", std::nullopt}}, "oui.csv", 0, "is a folder"},
      {"bad row", withIab(std::string(header) + "IAB,0050C2123,Lab,\nIAB,0050C212,Lab,\n"), "iab.csv", 3,
       "not 9 hex digits"},
      {"empty iab.csv", withIab(""), "iab.csv", 0, "empty"},
  };
  for (const Case& c : cases) {
    const testing::TempFolder folder;
    for (const auto& [name, text] : c.files) {
      if (text) {
        folder.write(name, *text);
      } else {
        std::filesystem::create_directory(folder.path() / name);
      }
    }
    const auto loaded = Registry::fromDirectory(folder.path());
    const auto* error = std::get_if<RegistryError>(&loaded);
    if (error == nullptr) {
      ADD_FAILURE() << c.what << ": loaded";
      continue;
    }
    EXPECT_EQ(error->file, utf8Path(folder.path() / c.file)) << c.what;
    EXPECT_EQ(error->line, c.line) << c.what;
    EXPECT_NE(error->reason.find(c.reasonPart), std::string::npos) << c.what << ": " << error->reason;
  }
  const auto missing = Registry::fromDirectory(fixtureFolder / "no such folder");
  ASSERT_TRUE(std::holds_alternative<RegistryError>(missing));
  EXPECT_EQ(std::get<RegistryError>(missing).line, 0u);
}

// ---- The registries compiled into the program ----

TEST(BuiltInRegistry, TablesAreSortedAndNamesLieInsideTheirChunks) {
  const RegistryTables& tables = builtInRegistryTables();
  const unsigned prefixBits[] = {24, 28, 36, 36};
  for (std::size_t kind = 0; kind < tables.rows.size(); ++kind) {
    EXPECT_FALSE(tables.rows[kind].empty()) << kind;
    std::optional<std::uint64_t> previous;
    for (const RegistryRow& row : tables.rows[kind]) {
      EXPECT_LT(row.prefix, std::uint64_t{1} << prefixBits[kind]);
      if (previous) {
        EXPECT_LT(*previous, row.prefix) << kind;
      }
      previous = row.prefix;
      ASSERT_LT(row.nameChunk, tables.nameChunks.size());
      const std::string_view chunk = tables.nameChunks[row.nameChunk];
      ASSERT_LE(std::size_t{row.nameOffset} + row.nameLength, chunk.size());
      const std::string_view name = chunk.substr(row.nameOffset, row.nameLength);
      if (!name.empty()) {
        EXPECT_NE(name.front(), ' ') << name;
        EXPECT_NE(name.back(), ' ') << name;
      }
      EXPECT_TRUE(std::none_of(name.begin(), name.end(), [](char c) { return c >= 0 && c < 0x20; })) << name;
    }
  }
}

TEST(BuiltInRegistry, LookupFindsTheLongestRealAssignment) {
  struct Case {
    MacAddress address;
    std::uint8_t prefixBits;  // 0: no assignment
    RegistryKind kind;
    std::string_view organisation;
  };
  constexpr std::string_view registrationAuthority = "IEEE Registration Authority";
  const Case cases[] = {
      // 70:B3:D5 belongs to the Registration Authority, which hands it out in MA-S blocks.
      {0x70B3D5F2F123, 36, RegistryKind::maS, "TELEPLATFORMS"},
      {0x70B3D5000001, 24, RegistryKind::maL, registrationAuthority},
      // 20:85:93 is handed out in MA-M blocks; 20:85:93:F is not taken.
      {0x208593B00001, 28, RegistryKind::maM, "IOG Products LLC"},
      {0x208593F00001, 24, RegistryKind::maL, registrationAuthority},
      {0x0050C27D5ABC, 36, RegistryKind::iab, "DEUTA-WERKE GmbH"},
      {0x00D0EF123456, 24, RegistryKind::maL, "IGT"},
      // Listed three times; the first row counts.
      {0x080030000000, 24, RegistryKind::maL, "NETWORK RESEARCH CORPORATION"},
      // Names ending in a tab or an en space, or starting with a tab.
      {0x901234000000, 24, RegistryKind::maL, "Shenzhen YOUHUA Technology Co., Ltd"},
      {0xD8860BC00000, 28, RegistryKind::maM, "YUSAN INDUSTRIES LIMITED"},
      {0x8411C2300000, 28, RegistryKind::maM, "FUJIFILM Healthcare Corporation"},
      {0xFEFFFF000000, 0, RegistryKind::maL, ""},
      {0xFFFFFFFFFFFF, 0, RegistryKind::maL, ""},
  };
  const Registry& registry = Registry::builtIn();
  for (const Case& c : cases) {
    const std::optional<Assignment> found = registry.lookup(c.address);
    const std::string address = formatMacAddress(c.address, MacFormat::colon);
    if (c.prefixBits == 0) {
      EXPECT_FALSE(found.has_value()) << address << " " << found->organisation;
      continue;
    }
    ASSERT_TRUE(found.has_value()) << address;
    const MacAddress blockMask = macAddressMask << (48 - c.prefixBits) & macAddressMask;
    EXPECT_EQ(found->base, c.address & blockMask) << address;
    EXPECT_EQ(found->prefixBits, c.prefixBits) << address;
    EXPECT_EQ(found->kind, c.kind) << address;
    EXPECT_EQ(found->organisation, c.organisation) << address;
  }
}

TEST(BuiltInRegistry, MaLMatchingFindsTheRegistrationAuthoritysBlocksInOrder) {
  const std::vector<Assignment> matches = Registry::builtIn().maLMatching("ieee REGISTRATION authority");
  std::vector<MacAddress> bases;
  for (const Assignment& match : matches) bases.push_back(match.base);
  EXPECT_TRUE(std::is_sorted(bases.begin(), bases.end()));
  for (const MacAddress base : {0x0050C2000000ull, 0x208593000000ull, 0x70B3D5000000ull}) {
    EXPECT_NE(std::find(bases.begin(), bases.end(), base), bases.end())
        << formatMacAddress(base, MacFormat::colon);
  }
  EXPECT_EQ(Registry::builtIn().maLMatching("").size(), Registry::builtIn().size(RegistryKind::maL));
}

}  // namespace
}  // namespace macbatch
