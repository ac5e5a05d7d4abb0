#include "cli/json_text.h"

#include <gtest/gtest.h>

#include <string>

namespace macbatch {
namespace {

TEST(AppendJsonString, EscapesWhatJsonRequiresAndKeepsTheRest) {
  struct Case {
    const char* name;
    std::string text;
    std::string json;
  };
  const Case cases[] = {
      {"plain", "Cisco Systems, Inc", "\"Cisco Systems, Inc\""},
      {"empty", "", "\"\""},
      {"quote and backslash", "A \"B\" \\ C", "\"A \\\"B\\\" \\\\ C\""},
      {"short escapes", "a\nb\rc\td", "\"a\\nb\\rc\\td\""},
      {"other controls", std::string("\x01\x1f\x7f", 3) + std::string(1, '\0'),
       "\"\\u0001\\u001f\\u007f\\u0000\""},
      {"UTF-8 kept", "Société 华为 \xF0\x9F\x98\x80", "\"Société 华为 \xF0\x9F\x98\x80\""},
      {"stray continuation byte", "a\x80z", "\"a\xEF\xBF\xBDz\""},
      {"cut-off sequence at the end", "a\xE5\x8D", "\"a\xEF\xBF\xBD\xEF\xBF\xBD\""},
      {"overlong form", "\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
      {"surrogate", "\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
  };
  for (const Case& c : cases) {
    std::string out = "x";
    appendJsonString(out, c.text);
    EXPECT_EQ(out, "x" + c.json) << c.name;
  }
}

}  // namespace
}  // namespace macbatch
