#include "core/utf8.h"

namespace macbatch::utf8 {
namespace {

struct LeadRule {
  std::size_t length;
  // The second byte's range is narrower than 0x80..0xBF after some leads:
  // it rules out overlong forms, surrogates and values above U+10FFFF.
  unsigned char secondLow;
  unsigned char secondHigh;
};

LeadRule leadRule(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {1, 0, 0};
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  const LeadRule rule = leadRule(static_cast<unsigned char>(text[at]));
  for (std::size_t i = 1; i < rule.length; ++i) {
    if (at + i >= text.size()) return 0;
    const auto byte = static_cast<unsigned char>(text[at + i]);
    const unsigned char low = i == 1 ? rule.secondLow : 0x80;
    const unsigned char high = i == 1 ? rule.secondHigh : 0xBF;
    if (byte < low || byte > high) return 1;
  }
  return rule.length;
}

}  // namespace macbatch::utf8
