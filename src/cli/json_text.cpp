#include "cli/json_text.h"

#include <cstdint>

namespace macbatch {
namespace {

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

// The length of the well-formed UTF-8 character at `at`, 0 if there is none
// (Unicode's table of well-formed byte sequences: no overlong forms, no
// surrogates, nothing above U+10FFFF).
std::size_t wellFormedLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[at + i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length;
  std::uint8_t low = 0x80, high = 0xBF;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
  static constexpr char hexDigits[] = "0123456789abcdef";
  out += '"';
  for (std::size_t at = 0; at < text.size();) {
    const char c = text[at];
    const auto code = static_cast<std::uint8_t>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (code < 0x20 || code == 0x7F) {
      out += "\\u00";
      out += hexDigits[code >> 4];
      out += hexDigits[code & 0xF];
    } else if (code >= 0x80) {
      const std::size_t length = wellFormedLength(text, at);
      if (length == 0) {
        out += replacementCharacter;
        ++at;
        continue;
      }
      out.append(text, at, length);
      at += length;
      continue;
    } else {
      out += c;
    }
    ++at;
  }
  out += '"';
}

}  // namespace macbatch
