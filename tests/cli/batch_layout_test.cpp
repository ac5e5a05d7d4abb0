#include "cli/batch_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/batch_scripts.h"

namespace macbatch {
namespace {

struct Entry {
  MacAddress address;
  std::optional<std::string_view> organisation;
};

std::string print(const BatchLayout& layout, const std::vector<Entry>& entries) {
  StringSink sink;
  BatchPrinter printer(layout, sink);
  for (const Entry& entry : entries) printer.add(entry.address, entry.organisation);
  EXPECT_EQ(printer.finish(), WriteStatus::ok);
  return sink.text();
}

// The layout of --joined --wrap --crlf and of --wrap --crlf: the window's texts.
BatchLayout windowLayout(bool joined) {
  BatchLayout layout;
  layout.lineEnd = "\r\n";
  if (joined) layout.separator = std::string(initialSeparator);
  layout.wrap = true;
  layout.prefix = initialPrefixScript;
  layout.suffix = initialSuffixScript;
  return layout;
}

// The default layout with some fields changed.
template <typename Change>
BatchLayout layoutWith(Change change) {
  BatchLayout layout;
  change(layout);
  return layout;
}

const std::vector<Entry> twoAddresses = {{0x7C55E70AF391, std::nullopt}, {0x08007AC42E6B, std::nullopt}};

TEST(BatchPrinter, GivesTheWindowsCopyTextForTheSameAddresses) {
  EXPECT_EQ(
      print(windowLayout(true), twoAddresses),
      ":global macs\r\n:set macs []\r\n:set []7C:55:E7:0A:F3:91\",\"08:00:7A:C4:2E:6B\")\r\n:local vindex 0");
  EXPECT_EQ(print(windowLayout(false), twoAddresses),
            ":global macs\r\n:set macs []\r\n:set []7C:55:E7:0A:F3:91\r\n08:00:7A:C4:2E:6B\r\n\")\r\n:local "
            "vindex 0");
}

TEST(BatchPrinter, WrappedTextIsTheCoresCleanUpOfPrefixBatchAndSuffix) {
  // A separator and suffix that the clean-up acts on, in a batch longer than one buffer.
  BatchLayout layout = windowLayout(true);
  layout.separator = "\",\"\")";
  std::vector<Entry> many(10000, Entry{0x001122334455, std::nullopt});
  std::string plain = layout.prefix;
  for (std::size_t i = 0; i < many.size(); ++i) plain += "00:11:22:33:44:55\",\"\")";
  plain += layout.suffix;
  EXPECT_EQ(print(layout, many), dropSeparatorBeforeSuffix(plain));
}

TEST(BatchPrinter, LayoutsOfAddressesAndOrganisations) {
  struct Case {
    const char* name;
    void (*change)(BatchLayout&);  // from the default layout
    std::string expected;
  };
  const std::vector<Entry> entries = {
      {0x08007AC42E6B, "INDATA"}, {0x02AB00000001, std::nullopt}, {0x001122AABBCC, std::nullopt}};
  const Case cases[] = {
      {"one a line", [](BatchLayout&) {}, "08:00:7A:C4:2E:6B\n02:AB:00:00:00:01\n00:11:22:AA:BB:CC\n"},
      {"hyphen lower",
       [](BatchLayout& l) {
         l.format = MacFormat::hyphen;
         l.lowerCase = true;
       },
       "08-00-7a-c4-2e-6b\n02-ab-00-00-00-01\n00-11-22-aa-bb-cc\n"},
      {"dot", [](BatchLayout& l) { l.format = MacFormat::dot; },
       "0800.7AC4.2E6B\n02AB.0000.0001\n0011.22AA.BBCC\n"},
      {"bare", [](BatchLayout& l) { l.format = MacFormat::bare; },
       "08007AC42E6B\n02AB00000001\n001122AABBCC\n"},
      {"joined, after the last too", [](BatchLayout& l) { l.separator.emplace(";"); },
       "08:00:7A:C4:2E:6B;02:AB:00:00:00:01;00:11:22:AA:BB:CC;"},
      {"CR LF", [](BatchLayout& l) { l.lineEnd = "\r\n"; },
       "08:00:7A:C4:2E:6B\r\n02:AB:00:00:00:01\r\n00:11:22:AA:BB:CC\r\n"},
      {"vendor column", [](BatchLayout& l) { l.showVendor = true; },
       "08:00:7A:C4:2E:6B\tINDATA\n02:AB:00:00:00:01\tlocally administered\n00:11:22:AA:BB:CC\tunknown\n"},
      {"JSON", [](BatchLayout& l) { l.json = true; },
       "[\n"
       "  {\"address\": \"08:00:7A:C4:2E:6B\", \"vendor\": \"INDATA\"},\n"
       "  {\"address\": \"02:AB:00:00:00:01\", \"vendor\": null},\n"
       "  {\"address\": \"00:11:22:AA:BB:CC\", \"vendor\": null}\n"
       "]\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(print(layoutWith(c.change), entries), c.expected) << c.name;
}

TEST(BatchPrinter, AnEmptyBatchPrintsNothingButAnEmptyJsonArray) {
  EXPECT_EQ(print(windowLayout(true), {}), "");
  EXPECT_EQ(print(BatchLayout{}, {}), "");
  EXPECT_EQ(print(layoutWith([](BatchLayout& l) {
                    l.lineEnd = "\r\n";
                    l.json = true;
                  }),
                  {}),
            "[]\r\n");
}

TEST(BatchPrinter, JsonEscapesTheOrganisation) {
  EXPECT_EQ(print(layoutWith([](BatchLayout& l) { l.json = true; }), {{0x001122334455, "A \"B\"\\C"}}),
            "[\n  {\"address\": \"00:11:22:33:44:55\", \"vendor\": \"A \\\"B\\\"\\\\C\"}\n]\n");
}

TEST(WithLineEnds, EveryLineEndBecomesTheOutputsOne) {
  EXPECT_EQ(withLineEnds("a\r\nb\nc\r", "\r\n"), "a\r\nb\r\nc\r");
  EXPECT_EQ(withLineEnds("a\r\nb\nc", "\n"), "a\nb\nc");
  EXPECT_EQ(withLineEnds(initialPrefixScript, "\n"), ":global macs\n:set macs []\n:set []");
}

}  // namespace
}  // namespace macbatch
