#include "core/utf16.h"

#include "core/utf8.h"

namespace macbatch::utf16 {
namespace {

void appendUtf8(Text& text, char32_t value) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (value < 0x80) {
    text += byte(value);
  } else if (value < 0x800) {
    text += byte(0xC0 | (value >> 6));
    text += byte(0x80 | (value & 0x3F));
  } else if (value < 0x10000) {
    text += byte(0xE0 | (value >> 12));
    text += byte(0x80 | ((value >> 6) & 0x3F));
    text += byte(0x80 | (value & 0x3F));
  } else {
    text += byte(0xF0 | (value >> 18));
    text += byte(0x80 | ((value >> 12) & 0x3F));
    text += byte(0x80 | ((value >> 6) & 0x3F));
    text += byte(0x80 | (value & 0x3F));
  }
}

}  // namespace

Text toUtf8(std::u16string_view units) {
  Text text;
  text.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
      appendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00));
    } else {
      appendUtf8(text, unit);
    }
  }
  return text;
}

std::u16string fromUtf8(std::string_view text) {
  std::u16string units;
  units.reserve(text.size());
  for (std::size_t p = 0; p < text.size();) {
    const utf8::DecodedCharacter character = utf8::decodeCharacter(text, p);
    p += character.length;
    if (character.codePoint < 0x10000) {
      units += static_cast<char16_t>(character.codePoint);
    } else {
      const char32_t offset = character.codePoint - 0x10000;
      units += static_cast<char16_t>(0xD800 + (offset >> 10));
      units += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
    }
  }
  return units;
}

}  // namespace macbatch::utf16
