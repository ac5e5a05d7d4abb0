#include "cli/lookup_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "registry_files.h"

namespace macbatch {
namespace {

using testing::TempFolder;

class LookupCommand : public ::testing::Test {
 protected:
  LookupCommand() { testing::writeRegistryFiles(folder_); }

  const Registry& registry() {
    if (!registry_) registry_ = std::get<Registry>(Registry::fromDirectory(folder_.path()));
    return *registry_;
  }

  std::string lookUp(const std::vector<std::string>& inputs, const LookupLayout& layout = {}) {
    StringSink sink;
    BufferedWriter out(sink);
    ok_ = lookUpAddresses(inputs, registry(), layout, out, errors_);
    out.flush();
    return sink.text();
  }

  TempFolder folder_;
  std::optional<Registry> registry_;
  std::vector<std::string> errors_;
  bool ok_ = false;
};

TEST_F(LookupCommand, LongestMatchOrWhatKindOfAddressItIs) {
  struct Case {
    std::string input;
    std::string line;
  };
  const Case cases[] = {
      {"70:B3:D5:A1:23:45", "70:B3:D5:A1:23:45\tSmall Block Company"},  // MA-S within MA-M within MA-L
      {"70:B3:D5:A9:99:99", "70:B3:D5:A9:99:99\tMedium Block Company"},
      {"70:B3:D5:00:00:01", "70:B3:D5:00:00:01\tIEEE Registration Authority"},
      {"00:50:C2:12:3F:FF", "00:50:C2:12:3F:FF\tIndividual Block Lab"},
      {"00:50:C2:12:40:00", "00:50:C2:12:40:00\tIEEE Registration Authority"},
      {"ac1f6b000001", "AC:1F:6B:00:00:01\tSociété Générale 华为"},
      {"0000.0C12.3456", "00:00:0C:12:34:56\tCisco Systems, Inc"},
      {"02-60-8C-00-00-01", "02:60:8C:00:00:01\tlocally administered"},  // a historic assignment, local now
      {"01:00:5E:00:00:01", "01:00:5E:00:00:01\tmulticast"},
      {"03:00:0C:00:00:01", "03:00:0C:00:00:01\tmulticast"},
      {"FF:FF:FF:FF:FF:FF", "FF:FF:FF:FF:FF:FF\tbroadcast"},
      {"00:00:01:00:00:01", "00:00:01:00:00:01\tunknown"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(lookUp({c.input}), c.line + "\n") << c.input;
    EXPECT_TRUE(ok_);
  }
  EXPECT_TRUE(errors_.empty());
}

TEST_F(LookupCommand, PrintsInTheFormatAsked) {
  EXPECT_EQ(lookUp({"00:00:0C:12:34:56"}, LookupLayout{MacFormat::dot, true, "\r\n"}),
            "0000.0c12.3456\tCisco Systems, Inc\r\n");
}

TEST_F(LookupCommand, NamesAnInputThatIsNotAnAddressAndPrintsTheOthers) {
  EXPECT_EQ(lookUp({"00:00:0C:00:00:01", "00:00:0C:00:00", "", "00:00:0C:00:00:02"}),
            "00:00:0C:00:00:01\tCisco Systems, Inc\n00:00:0C:00:00:02\tCisco Systems, Inc\n");
  EXPECT_FALSE(ok_);
  EXPECT_EQ(errors_, (std::vector<std::string>{"--lookup: '00:00:0C:00:00' is not an address",
                                               "--lookup: '' is not an address"}));
}

TEST_F(LookupCommand, ReadsLinesSkippingBlankOnesAndNamesABadLine) {
  std::istringstream input("  00:00:0C:00:00:01\r\n\r\n\nnonsense\n02:00:00:00:00:01");
  StringSink sink;
  BufferedWriter out(sink);
  EXPECT_FALSE(lookUpLines(input, registry(), {}, out, errors_));
  out.flush();
  EXPECT_EQ(sink.text(), "00:00:0C:00:00:01\tCisco Systems, Inc\n02:00:00:00:00:01\tlocally administered\n");
  EXPECT_EQ(errors_, std::vector<std::string>{"standard input, line 4: 'nonsense' is not an address"});
}

TEST_F(LookupCommand, ListsTheMatchingMaLPrefixesInAnyCase) {
  struct Case {
    std::string filter;
    bool lower;
    std::string listing;
    std::size_t count;
  };
  const Case cases[] = {
      {"cisco", false, "00:00:0C\tCisco Systems, Inc\n00:E0:FC\tCISCO-LIKE \"Quoted\" Ltd\n", 2},
      {"GÉNÉRALE", false, "", 0},  // only ASCII letters fold
      {"Générale", true, "ac:1f:6b\tSociété Générale 华为\n", 1},
      {"no such company", false, "", 0},
  };
  for (const Case& c : cases) {
    StringSink sink;
    BufferedWriter out(sink);
    EXPECT_EQ(listVendors(c.filter, registry(), LookupLayout{MacFormat::colon, c.lower, "\n"}, out), c.count);
    out.flush();
    EXPECT_EQ(sink.text(), c.listing) << c.filter;
  }
  StringSink all;
  BufferedWriter out(all);
  EXPECT_EQ(listVendors("", registry(), {}, out), 6u);
}

}  // namespace
}  // namespace macbatch
