#include "cli/options.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace macbatch {
namespace {

std::variant<CliOptions, EarlyExit> parse(std::vector<std::string> arguments) {
  return parseOptions(arguments);
}

CliOptions parsed(std::vector<std::string> arguments) {
  auto result = parse(arguments);
  if (const EarlyExit* early = std::get_if<EarlyExit>(&result)) {
    ADD_FAILURE() << "not parsed: " << early->standardError;
    return {};
  }
  return std::get<CliOptions>(result);
}

TEST(ParseOptions, DefaultsAreTheWindows) {
  const CliOptions o = parsed({});
  EXPECT_EQ(o.command, Command::generate);
  EXPECT_EQ(o.count, 20u);
  EXPECT_FALSE(o.vendor || !o.ouis.empty() || o.local || o.allowDuplicates || o.seed);
  EXPECT_EQ(o.format, MacFormat::colon);
  EXPECT_FALSE(o.lowerCase || o.separator || o.wrap || o.prefix || o.suffix || o.crlf || o.showVendor ||
               o.json);
  EXPECT_FALSE(o.registryDirectory || o.outputFile);
}

TEST(ParseOptions, EachOptionReachesItsField) {
  const CliOptions o = parsed({"-n",
                               "0",
                               "--oui",
                               "00:11:22",
                               "--oui",
                               "aa-bb-cc",
                               "--vendor",
                               "Cisco",
                               "--exclude",
                               "a.txt",
                               "--exclude",
                               "/b.txt",
                               "--seed",
                               "18446744073709551615",
                               "--allow-duplicates",
                               "--format",
                               "dot",
                               "--lower",
                               "--show-vendor",
                               "--crlf",
                               "--registry",
                               "dir",
                               "-o",
                               "out.txt"});
  EXPECT_EQ(o.count, 0u);
  EXPECT_EQ(o.ouis, (std::vector<std::uint32_t>{0x001122, 0xAABBCC}));
  EXPECT_EQ(o.vendor, "Cisco");
  EXPECT_EQ(o.excludeFiles, (std::vector<std::string>{"a.txt", "/b.txt"}));
  EXPECT_EQ(o.seed, 18446744073709551615u);
  EXPECT_TRUE(o.allowDuplicates && o.lowerCase && o.showVendor && o.crlf);
  EXPECT_EQ(o.format, MacFormat::dot);
  EXPECT_EQ(o.registryDirectory, "dir");
  EXPECT_EQ(o.outputFile, "out.txt");
}

TEST(ParseOptions, JoinedTakesAnOptionalSeparator) {
  struct Case {
    std::vector<std::string> arguments;
    std::optional<std::string> separator;
  };
  const Case cases[] = {
      {{"--joined"}, "\",\""},  {{"--joined", "-n", "3"}, "\",\""},
      {{"--joined", ";"}, ";"}, {{"--joined=, "}, ", "},
      {{"--joined", ""}, ""},   {{}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parsed(c.arguments).separator, c.separator) << c.arguments.size();
}

TEST(ParseOptions, PrefixAndSuffixImplyWrapAndMayNameAFile) {
  struct Case {
    std::vector<std::string> arguments;
    std::optional<std::string> prefix;
    bool prefixFromFile;
    std::optional<std::string> suffix;
  };
  const Case cases[] = {
      {{"--wrap"}, std::nullopt, false, std::nullopt},
      {{"--prefix", "BEGIN "}, "BEGIN ", false, std::nullopt},
      {{"--prefix", "@head.txt", "--suffix", "@@tail"}, "head.txt", true, "@tail"},
      {{"--suffix", ""}, std::nullopt, false, ""},
  };
  for (const Case& c : cases) {
    const CliOptions o = parsed(c.arguments);
    EXPECT_TRUE(o.wrap);
    EXPECT_EQ(o.prefix ? std::optional(o.prefix->value) : std::nullopt, c.prefix);
    EXPECT_EQ(o.prefix && o.prefix->fromFile, c.prefixFromFile);
    EXPECT_EQ(o.suffix ? std::optional(o.suffix->value) : std::nullopt, c.suffix);
  }
}

TEST(ParseOptions, LookupAndListVendorsAreCommands) {
  CliOptions o = parsed({"--lookup", "00:11:22:33:44:55", "not-an-address"});
  EXPECT_EQ(o.command, Command::lookup);
  EXPECT_EQ(o.lookupAddresses, (std::vector<std::string>{"00:11:22:33:44:55", "not-an-address"}));
  EXPECT_TRUE(parsed({"--lookup"}).lookupAddresses.empty());
  o = parsed({"--list-vendors", "intel", "--lower"});
  EXPECT_EQ(o.command, Command::listVendors);
  EXPECT_EQ(o.vendorFilter, "intel");
  EXPECT_EQ(parsed({"--list-vendors"}).vendorFilter, "");
}

TEST(ParseOptions, UsageErrorsNameTheOptionAndExitWithTwo) {
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{"-n", "-5"}, "--count: '-5' is not a count"},
      {{"-n", "abc"}, "--count: 'abc' is not a count"},
      {{"-n", "0x10"}, "--count: '0x10' is not a count"},
      {{"-n", "18446744073709551616"}, "--count: '18446744073709551616' is not a count"},
      {{"-n"}, "--count"},
      {{"--oui", "ZZ:00:11"}, "--oui: 'ZZ:00:11' is not a prefix"},
      {{"--oui", "00:11:22:33"}, "--oui: '00:11:22:33' is not a prefix"},
      {{"--seed", "-1"}, "--seed: '-1' is not a seed"},
      {{"--format", "dots"}, "--format: 'dots' is not a format"},
      {{"--local", "--oui", "00:11:22"}, "--local"},
      {{"--local", "--vendor", "x"}, "--local"},
      {{"--json", "--joined"}, "--json"},
      {{"--json", "--wrap"}, "--json"},
      {{"--lookup", "-n", "3"}, "--lookup"},
      {{"--lookup", "--list-vendors"}, "--lookup"},
      {{"--list-vendors", "--seed", "1"}, "--list-vendors"},
      {{"00:11:22:33:44:55"}, "--lookup"},
      {{"--frobnicate"}, "--frobnicate"},
  };
  for (const Case& c : cases) {
    auto result = parse(c.arguments);
    ASSERT_TRUE(std::holds_alternative<EarlyExit>(result)) << c.message;
    const EarlyExit& early = std::get<EarlyExit>(result);
    EXPECT_EQ(early.exitCode, exitUsage) << c.message;
    EXPECT_TRUE(early.standardOutput.empty()) << c.message;
    EXPECT_TRUE(early.standardError.starts_with("macbatch-cli: error: ")) << early.standardError;
    EXPECT_NE(early.standardError.find(c.message), std::string::npos) << early.standardError;
  }
}

TEST(ParseOptions, HelpAndVersionGoToStandardOutputWithZero) {
  auto help = std::get<EarlyExit>(parse({"--help"}));
  EXPECT_EQ(help.exitCode, exitSuccess);
  EXPECT_TRUE(help.standardError.empty());
  for (const char* part : {"What to make:", "How to print it:", "Where from and to:", "Examples:",
                           "macbatch-cli --lookup", "xoshiro256**", "SplitMix64", "--joined [SEP]"}) {
    EXPECT_NE(help.standardOutput.find(part), std::string::npos) << part;
  }
  auto version = std::get<EarlyExit>(parse({"--version"}));
  EXPECT_EQ(version.exitCode, exitSuccess);
  EXPECT_TRUE(version.standardOutput.starts_with("macbatch-cli ")) << version.standardOutput;
  EXPECT_TRUE(version.standardOutput.ends_with("\n"));
}

}  // namespace
}  // namespace macbatch
