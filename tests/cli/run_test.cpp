#include "cli/run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "cli/options.h"
#include "core/text.h"
#include "core/vendor_table.h"
#include "registry_files.h"

namespace macbatch {
namespace {

using testing::TempFolder;

struct Outcome {
  int exitCode;
  std::string output;
  std::vector<std::string> errors;
};

Outcome runWith(const std::vector<std::string>& arguments, ByteSink* sink = nullptr, std::string input = {}) {
  auto parsed = parseOptions(arguments);
  if (auto* early = std::get_if<EarlyExit>(&parsed)) {
    ADD_FAILURE() << early->standardError;
    return {early->exitCode, early->standardOutput, {early->standardError}};
  }
  StringSink captured;
  std::istringstream in(input);
  Outcome outcome{};
  outcome.exitCode =
      run(std::get<CliOptions>(parsed), RunStreams{sink ? *sink : captured, in, outcome.errors});
  outcome.output = captured.text();
  return outcome;
}

std::vector<std::string> linesOf(const std::string& text, std::string_view lineEnd = "\r\n") {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find(lineEnd, at);
    lines.push_back(text.substr(at, end - at));
    at = end == std::string::npos ? text.size() : end + lineEnd.size();
  }
  return lines;
}

// The same seed and options give these bytes on every platform: the generator,
// the draw from a range and the sampler are all written out in plain integer
// arithmetic. --crlf keeps the line ends the same too.
TEST(RunGenerate, FixedSeedGivesTheseExactBatches) {
  struct Case {
    std::vector<std::string> arguments;
    std::string output;
  };
  const Case cases[] = {
      {{"--seed", "42", "-n", "5", "--crlf"},
       "14:79:F3:1E:A3:18\r\n64:9A:08:68:2A:28\r\nAA:00:02:A6:9A:3B\r\nEC:63:E5:E4:07:EE\r\nFC:75:E6:69:1B:"
       "C0\r\n"},
      {{"--seed", "42", "-n", "3", "--local", "--crlf", "--lower", "--format", "hyphen"},
       "16-5e-02-cb-83-0b\r\n62-41-36-61-9b-44\r\nae-85-d4-cc-8e-79\r\n"},
      {{"--seed", "7", "-n", "4", "--oui", "00:11:22", "--oui", "AC-1F-6B", "--crlf", "--format", "dot"},
       "AC1F.6B66.B1F5\r\n0011.228E.B87B\r\nAC1F.6BAD.E3A6\r\nAC1F.6BF6.5270\r\n"},
      {{"--seed", "1", "-n", "3", "--crlf", "--show-vendor"},
       "B0:4A:6A:6B:25:C0\tSamsung Electronics Co.,Ltd\r\n80:96:21:E9:2D:28\tLenovo\r\n"
       "90:2E:16:B4:23:A7\tLCFC(HeFei) Electronics Technology co., ltd\r\n"},
      {{"--seed", "1", "-n", "4", "--crlf", "--allow-duplicates", "--oui", "000000"},
       "00:00:00:B3:F2:AF\r\n00:00:00:85:3B:55\r\n00:00:00:92:F8:97\r\n00:00:00:64:2E:1C\r\n"},
      {{"--seed", "9", "-n", "2", "--crlf", "--joined", "--wrap"},
       ":global macs\r\n:set macs []\r\n:set []08:00:89:05:CA:B6\",\"44:2B:03:3E:18:C9\")\r\n:local vindex "
       "0"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = runWith(c.arguments);
    EXPECT_EQ(outcome.exitCode, exitSuccess);
    EXPECT_EQ(outcome.output, c.output) << c.arguments[1];
  }
}

TEST(RunGenerate, DefaultsToTwentyDistinctAddressesOfTheWindowsTable) {
  std::set<std::string> prefixes;
  for (const VendorPrefix& member : vendorPrefixes) prefixes.emplace(member.prefix);
  const Outcome first = runWith({"--crlf"});
  const Outcome second = runWith({"--crlf"});
  EXPECT_EQ(first.exitCode, exitSuccess);
  const std::vector<std::string> lines = linesOf(first.output);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_TRUE(first.output.ends_with("\r\n"));
  for (const std::string& line : lines) {
    EXPECT_EQ(line.size(), 17u) << line;
    EXPECT_TRUE(prefixes.contains(line.substr(0, 8))) << line;
  }
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 20u);
  EXPECT_NE(first.output, second.output);  // the system's generator, not a fixed seed
}

TEST(RunGenerate, CountZeroPrintsNothing) {
  const std::vector<std::vector<std::string>> requests = {{"-n", "0"}, {"-n", "0", "--joined", "--wrap"}};
  for (const std::vector<std::string>& arguments : requests) {
    const Outcome outcome = runWith(arguments);
    EXPECT_EQ(outcome.exitCode, exitSuccess);
    EXPECT_EQ(outcome.output, "");
  }
}

TEST(RunGenerate, MoreThanThePoolHoldsIsRefusedBeforeAnythingIsPrinted) {
  TempFolder folder;
  // Five excluded addresses in the pool, one outside it, one twice.
  const std::string used = folder.text("used.txt");
  folder.write("used.txt",
               "00:11:22:00:00:01\n00:11:22:00:00:02\n00:11:22:00:00:03\n00:11:22:00:00:04\n"
               "00:11:22:00:00:05\n00:11:22:00:00:05\n00:11:23:00:00:00\n");
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{"--oui", "00:11:22", "-n", "16777217"},
       "cannot make 16777217 distinct addresses: the pool holds only 16777216 distinct addresses"},
      {{"--oui", "00:11:22", "-n", "16777212", "--exclude", used},
       "cannot make 16777212 distinct addresses: the pool holds only 16777211 distinct addresses (16777216 "
       "less "
       "5 excluded)"},
      {{"--oui", "00:11:22", "--oui", "001122", "-n", "16777217"},  // a repeated prefix adds nothing
       "cannot make 16777217 distinct addresses: the pool holds only 16777216 distinct addresses"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = runWith(c.arguments);
    EXPECT_EQ(outcome.exitCode, exitFailure);
    EXPECT_EQ(outcome.output, "");
    EXPECT_EQ(outcome.errors, std::vector<std::string>{c.message});
  }
}

TEST(RunGenerate, ExcludedAddressesAreNeverPrinted) {
  TempFolder folder;
  const std::vector<std::string> seeded = {"--seed", "3", "-n", "6", "--crlf", "--oui", "00:11:22"};
  const std::vector<std::string> before = linesOf(runWith(seeded).output);
  ASSERT_EQ(before.size(), 6u);
  // The addresses that seed gives, in other forms and lower case, between blank lines.
  std::string used = "\n" + before[1] + "\r\n\n";
  std::transform(before[4].begin(), before[4].end(), std::back_inserter(used), [](char c) {
    return c == ':' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  folder.write("used.txt", used + "\n");
  std::vector<std::string> excluding = seeded;
  excluding.insert(excluding.end(), {"--exclude", folder.text("used.txt")});
  const Outcome after = runWith(excluding);
  EXPECT_EQ(after.exitCode, exitSuccess);
  const std::vector<std::string> lines = linesOf(after.output);
  EXPECT_EQ(lines.size(), 6u);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), before[1]), 0);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), before[4]), 0);
}

TEST(RunGenerate, ProblemsWithTheExcludeFileNameTheFileAndLine) {
  TempFolder folder;
  folder.write("bad.txt", "00:11:22:33:44:55\n\nnot an address\n");
  const std::string bad = folder.text("bad.txt");
  const std::string missing = folder.text("missing.txt");
  struct Case {
    std::string file;
    std::string message;
  };
  const Case cases[] = {
      {bad, bad + ":3: 'not an address' is not an address"},
      {missing, "--exclude: cannot read '" + missing + "': "},
  };
  for (const Case& c : cases) {
    const Outcome outcome = runWith({"--exclude", c.file});
    EXPECT_EQ(outcome.exitCode, exitFailure);
    EXPECT_EQ(outcome.output, "");
    ASSERT_EQ(outcome.errors.size(), 1u);
    EXPECT_TRUE(outcome.errors[0].starts_with(c.message)) << outcome.errors[0];
  }
}

TEST(RunGenerate, PrefixAndSuffixFromTextsAndFiles) {
  TempFolder folder;
  folder.write("head.txt", "\xEF\xBB\xBFline one\nline two\n");  // final line end dropped
  folder.write("tail.txt", "\r\nEND\r\n");
  const std::vector<std::string> seeded = {"--seed", "5", "-n", "2", "--crlf", "--joined", ", "};
  const std::vector<std::string> lines = linesOf(runWith({"--seed", "5", "-n", "2", "--crlf"}).output);
  ASSERT_EQ(lines.size(), 2u);
  // Joined from views: GCC 12 at -O3 misreads "literal" + std::string as an overlapping copy.
  const std::string batch = joinText({lines[0], ", ", lines[1], ", "});
  struct Case {
    std::vector<std::string> more;
    std::string output;
  };
  const Case cases[] = {
      {{"--prefix", joinText({"@", folder.text("head.txt")}), "--suffix",
        joinText({"@", folder.text("tail.txt")})},
       joinText({"line one\r\nline two", batch, "\r\nEND"})},
      {{"--prefix", "<", "--suffix", ">"}, joinText({"<", batch, ">"})},
      {{"--prefix", "@@"}, joinText({"@", batch, "\")\r\n:local vindex 0"})},
      {{"--suffix", ""}, joinText({":global macs\r\n:set macs []\r\n:set []", batch})},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = seeded;
    arguments.insert(arguments.end(), c.more.begin(), c.more.end());
    const Outcome outcome = runWith(arguments);
    EXPECT_EQ(outcome.exitCode, exitSuccess);
    EXPECT_EQ(outcome.output, c.output);
  }
  const std::string missing = folder.text("missing.txt");
  const Outcome outcome = runWith({"--prefix", joinText({"@", missing})});
  EXPECT_EQ(outcome.exitCode, exitFailure);
  EXPECT_EQ(outcome.output, "");
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_TRUE(outcome.errors[0].starts_with("--prefix: cannot read '" + missing + "': "))
      << outcome.errors[0];
}

TEST(RunGenerate, VendorDrawsFromEveryMatchingMaLBlock) {
  TempFolder folder;
  testing::writeRegistryFiles(folder);
  const Outcome outcome =
      runWith({"--registry", folder.text(""), "--vendor", "CISCO", "-n", "200", "--crlf", "--show-vendor"});
  EXPECT_EQ(outcome.exitCode, exitSuccess);
  std::set<std::string> prefixes;
  for (const std::string& line : linesOf(outcome.output)) {
    prefixes.insert(line.substr(0, 8));
    const std::string vendor = line.substr(18);
    EXPECT_TRUE(vendor == "Cisco Systems, Inc" || vendor == "CISCO-LIKE \"Quoted\" Ltd") << line;
  }
  EXPECT_EQ(prefixes, (std::set<std::string>{"00:00:0C", "00:E0:FC"}));

  const Outcome none = runWith({"--registry", folder.text(""), "--vendor", "Nobody"});
  EXPECT_EQ(none.exitCode, exitFailure);
  EXPECT_EQ(none.output, "");
  EXPECT_EQ(none.errors,
            std::vector<std::string>{"--vendor: no MA-L assignment's organisation contains 'Nobody'"});
}

TEST(RunGenerate, JsonNamesTheOrganisationOrNull) {
  TempFolder folder;
  testing::writeRegistryFiles(folder);
  const Outcome outcome = runWith(
      {"--registry", folder.text(""), "--oui", "70:B3:D5", "--oui", "00:00:01", "-n", "300", "--json"});
  EXPECT_EQ(outcome.exitCode, exitSuccess);
  EXPECT_TRUE(outcome.output.starts_with("["));
  EXPECT_NE(outcome.output.find("\"vendor\": \"IEEE Registration Authority\""), std::string::npos);
  EXPECT_NE(outcome.output.find("\"vendor\": null"), std::string::npos);  // 00:00:01 is not assigned here
}

TEST(RunRegistry, ABadFileIsNamedWithItsLine) {
  TempFolder folder;
  testing::writeRegistryFiles(folder);
  folder.write("mam.csv", std::string(testing::csvHeader) + "MA-M,70B3D5A,Fine,\r\nMA-M,XYZ,Broken,\r\n");
  const Outcome outcome = runWith({"--registry", folder.text(""), "--lookup", "00:00:0C:00:00:01"});
  EXPECT_EQ(outcome.exitCode, exitFailure);
  EXPECT_EQ(outcome.output, "");
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_NE(outcome.errors[0].find("mam.csv:3: "), std::string::npos) << outcome.errors[0];

  testing::writeRegistryFiles(folder);
  std::filesystem::remove(folder.path() / "iab.csv");
  const Outcome missing = runWith({"--registry", folder.text(""), "--list-vendors"});
  EXPECT_EQ(missing.exitCode, exitFailure);
  ASSERT_EQ(missing.errors.size(), 1u);
  EXPECT_NE(missing.errors[0].find("iab.csv"), std::string::npos) << missing.errors[0];
}

TEST(RunLookup, PrintsTheGoodOnesAndFailsForTheOthers) {
  TempFolder folder;
  testing::writeRegistryFiles(folder);
  const Outcome outcome =
      runWith({"--registry", folder.text(""), "--crlf", "--lookup", "00:00:0C:00:00:01", "bogus"});
  EXPECT_EQ(outcome.exitCode, exitFailure);
  EXPECT_EQ(outcome.output, "00:00:0C:00:00:01\tCisco Systems, Inc\r\n");
  EXPECT_EQ(outcome.errors, std::vector<std::string>{"--lookup: 'bogus' is not an address"});

  const Outcome fromInput =
      runWith({"--registry", folder.text(""), "--crlf", "--lookup"}, nullptr, "00-00-0c-00-00-02\n\n");
  EXPECT_EQ(fromInput.exitCode, exitSuccess);
  EXPECT_EQ(fromInput.output, "00:00:0C:00:00:02\tCisco Systems, Inc\r\n");
}

TEST(RunLookup, UsesTheBuiltInRegistries) {
  const Outcome outcome = runWith({"--lookup", "00:00:0C:00:00:01", "--crlf"});
  EXPECT_EQ(outcome.exitCode, exitSuccess);
  EXPECT_TRUE(outcome.output.starts_with("00:00:0C:00:00:01\tCisco")) << outcome.output;
}

TEST(RunListVendors, PrintsPrefixAndNameOrFailsWhenNothingMatches) {
  TempFolder folder;
  testing::writeRegistryFiles(folder);
  const Outcome outcome = runWith({"--registry", folder.text(""), "--crlf", "--list-vendors", "3com"});
  EXPECT_EQ(outcome.exitCode, exitSuccess);
  EXPECT_EQ(outcome.output, "02:60:8C\t3Com Corporation\r\n");
  const Outcome none = runWith({"--registry", folder.text(""), "--list-vendors", "Nobody"});
  EXPECT_EQ(none.exitCode, exitFailure);
  EXPECT_EQ(none.output, "");
}

TEST(RunOutputFile, WrittenWholeAndNothingElseInTheFolder) {
  const std::string expected = runWith({"--seed", "42", "-n", "5", "--crlf"}).output;
  for (const std::string name : {"batch.txt", "批次 für heute.txt"}) {
    TempFolder folder;
    folder.write(name, "an older batch");
    const Outcome outcome = runWith({"--seed", "42", "-n", "5", "--crlf", "-o", folder.text(name)});
    EXPECT_EQ(outcome.exitCode, exitSuccess);
    EXPECT_EQ(outcome.output, "");
    EXPECT_EQ(
        TempFolder::read(folder.path() / std::filesystem::path(std::u8string(name.begin(), name.end()))),
        expected);
    EXPECT_EQ(folder.names().size(), 1u);
  }
}

TEST(RunOutputFile, AFolderThatCannotBeWrittenIsNamedAndLeavesNothing) {
  TempFolder folder;
  folder.write("plain-file", "x");
  for (const std::string& target :
       {folder.text("missing-folder/batch.txt"), folder.text("plain-file/batch.txt")}) {
    const Outcome outcome = runWith({"-n", "5", "-o", target});
    EXPECT_EQ(outcome.exitCode, exitFailure);
    ASSERT_EQ(outcome.errors.size(), 1u);
    EXPECT_TRUE(outcome.errors[0].starts_with("cannot write '" + target + "': ")) << outcome.errors[0];
  }
  EXPECT_EQ(folder.names(), std::vector<std::string>{"plain-file"});
}

TEST(RunOutputFile, ARequestThatCannotBeMetLeavesTheOldFile) {
  TempFolder folder;
  folder.write("batch.txt", "an older batch");
  const Outcome tooMany = runWith({"--oui", "00:11:22", "-n", "16777217", "-o", folder.text("batch.txt")});
  EXPECT_EQ(tooMany.exitCode, exitFailure);
  const Outcome badLookup =
      runWith({"--lookup", "00:11:22:33:44:55", "junk", "-o", folder.text("batch.txt")});
  EXPECT_EQ(badLookup.exitCode, exitFailure);
  EXPECT_EQ(TempFolder::read(folder.path() / "batch.txt"), "an older batch");
  EXPECT_EQ(folder.names(), std::vector<std::string>{"batch.txt"});
}

// A reader that goes away after the first block, or a device that is full.
class EndingSink final : public ByteSink {
 public:
  explicit EndingSink(WriteStatus ending) : ending_(ending) {}
  WriteStatus write(std::string_view bytes) override {
    if (writes_++ > 0) return ending_;
    received += bytes;
    return WriteStatus::ok;
  }
  std::string failure() const override { return "No space left on device"; }
  std::string received;

 private:
  WriteStatus ending_;
  int writes_ = 0;
};

TEST(RunOutput, AClosedPipeEndsQuietlyAndAFailedWriteIsAnError) {
  EndingSink closed(WriteStatus::closed);
  const Outcome quiet = runWith({"-n", "100000000"}, &closed);  // far more than is ever made
  EXPECT_EQ(quiet.exitCode, exitSuccess);
  EXPECT_TRUE(quiet.errors.empty());
  EXPECT_GE(closed.received.size(), 64u * 1024);

  EndingSink full(WriteStatus::failed);
  const Outcome failed = runWith({"-n", "100000"}, &full);
  EXPECT_EQ(failed.exitCode, exitFailure);
  EXPECT_EQ(failed.errors, std::vector<std::string>{"write error: No space left on device"});
}

}  // namespace
}  // namespace macbatch
