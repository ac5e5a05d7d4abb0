#include "cli/address_list.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace macbatch {
namespace {

TEST(ParseAddressList, ReadsEveryFormWithBlankLinesAndSpaces) {
  const auto parsed = parseAddressList(
      "\xEF\xBB\xBF"
      "00:11:22:33:44:55\r\n"
      "\n"
      "  aa-bb-cc-dd-ee-ff\t\r\n"
      "0011.2233.4466\n"
      "   \n"
      "001122334467");  // no line end after the last
  ASSERT_TRUE(std::holds_alternative<std::vector<MacAddress>>(parsed));
  EXPECT_EQ(std::get<std::vector<MacAddress>>(parsed),
            (std::vector<MacAddress>{0x001122334455, 0xAABBCCDDEEFF, 0x001122334466, 0x001122334467}));
}

TEST(ParseAddressList, NamesTheFirstLineThatIsNotAnAddress) {
  struct Case {
    std::string text;
    std::size_t line;
    std::string message;
  };
  const Case cases[] = {
      {"00:11:22:33:44:55\n\nhello\n", 3, "'hello' is not an address"},
      {"00:11:22:33:44:5\n", 1, "'00:11:22:33:44:5' is not an address"},
      {"00:11:22:33:44:55 00:11:22:33:44:56\n", 1, "'00:11:22:33:44:55 00:11:22:33:44:56' is not an address"},
      {"\n\n" + std::string(100, 'x'), 3, "'" + std::string(40, 'x') + "...' is not an address"},
  };
  for (const Case& c : cases) {
    const auto parsed = parseAddressList(c.text);
    ASSERT_TRUE(std::holds_alternative<AddressListError>(parsed)) << c.text;
    EXPECT_EQ(std::get<AddressListError>(parsed).line, c.line) << c.text;
    EXPECT_EQ(std::get<AddressListError>(parsed).message, c.message) << c.text;
  }
}

}  // namespace
}  // namespace macbatch
