#include "core/utf8.h"

namespace macbatch::utf8 {
namespace {

struct LeadRule {
  std::size_t length;  // 0: the byte starts no sequence
  // The second byte's range is narrower than 0x80..0xBF after some leads:
  // it rules out overlong forms and values above U+10FFFF.
  unsigned char secondLow;
  unsigned char secondHigh;
};

LeadRule leadRule(unsigned char lead) {
  if (lead < 0x80) return {1, 0, 0};
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

// How many bytes from `at` on fit the lead's rule, the lead included; the
// rule's length when the whole sequence is there.
std::size_t fittingBytes(std::string_view text, std::size_t at, const LeadRule& rule) {
  std::size_t i = 1;
  for (; i < rule.length && at + i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[at + i]);
    const unsigned char low = i == 1 ? rule.secondLow : 0x80;
    const unsigned char high = i == 1 ? rule.secondHigh : 0xBF;
    if (byte < low || byte > high) break;
  }
  return i;
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  const LeadRule rule = leadRule(static_cast<unsigned char>(text[at]));
  if (rule.length <= 1) return 1;
  const std::size_t fitting = fittingBytes(text, at, rule);
  if (fitting == rule.length) return rule.length;
  return at + fitting == text.size() ? 0 : 1;
}

DecodedCharacter decodeCharacter(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const LeadRule rule = leadRule(lead);
  if (rule.length == 0) return {replacementCharacter, 1};
  const std::size_t fitting = fittingBytes(text, at, rule);
  if (fitting < rule.length) return {replacementCharacter, fitting};
  if (rule.length == 1) return {lead, 1};
  char32_t value = lead & (0x7F >> rule.length);
  for (std::size_t i = 1; i < rule.length; ++i) {
    value = (value << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
  }
  return {value, rule.length};
}

}  // namespace macbatch::utf8
