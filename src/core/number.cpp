#include "core/text.h"
#include "core/utf8.h"

namespace macbatch {
namespace {

char32_t decode(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return lead;
  char32_t value = lead & (0x7F >> character.size());
  for (std::size_t i = 1; i < character.size(); ++i) {
    value = (value << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
  }
  return value;
}

// The full-width forms that GBK row A3 holds, plus a few look-alikes from
// row A1. That row's dollar and tilde are U+FFE5 and U+FFE3, so U+FF04 stays.
char asciiFor(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5D && c != 0xFF04) return static_cast<char>(c - 0xFEE0);
  switch (c) {
    case 0xFFE5: return '$';
    case 0xFFE3: return '~';
    case 0xFF5E: return '~';
    case 0x3000: return ' ';
    case 0x2605:
    case 0x2606: return '*';
    default: return 0;
  }
}

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

Text foldFullWidth(std::string_view text) {
  Text folded;
  folded.reserve(text.size());
  std::size_t p = 0;
  while (std::size_t step = utf8::characterLength(text, p)) {
    const std::string_view character = text.substr(p, step);
    const char ascii = step > 1 ? asciiFor(decode(character)) : 0;
    if (ascii != 0) {
      folded += ascii;
    } else {
      folded.append(character);
    }
    p += step;
  }
  return folded;
}

std::int32_t toInteger(std::string_view text) {
  const Text folded = foldFullWidth(text);
  std::size_t p = 0;
  while (p < folded.size() && isSpace(folded[p])) ++p;
  bool negative = false;
  if (p < folded.size() && (folded[p] == '+' || folded[p] == '-')) negative = folded[p++] == '-';
  // Unsigned, so that an overlong number wraps instead of overflowing.
  std::uint32_t value = 0;
  for (; p < folded.size() && folded[p] >= '0' && folded[p] <= '9'; ++p) {
    value = value * 10u + static_cast<std::uint32_t>(folded[p] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

}  // namespace macbatch
