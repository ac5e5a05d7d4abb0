#include "core/mac_address.h"

#include <array>
#include <cstddef>

namespace macbatch {
namespace {

constexpr std::uint8_t notHex = 0xFF;

constexpr std::array<std::uint8_t, 256> hexValues = [] {
  std::array<std::uint8_t, 256> values{};
  values.fill(notHex);
  for (std::uint8_t i = 0; i < 10; ++i) values[std::size_t{'0'} + i] = i;
  for (std::uint8_t i = 0; i < 6; ++i) {
    values[std::size_t{'A'} + i] = static_cast<std::uint8_t>(10 + i);
    values[std::size_t{'a'} + i] = static_cast<std::uint8_t>(10 + i);
  }
  return values;
}();

// Both digits of every octet value, side by side: octet n at positions 2n and 2n + 1.
constexpr std::array<char, 512> octetDigits(const char* digits) {
  std::array<char, 512> pairs{};
  for (std::size_t octet = 0; octet < 256; ++octet) {
    pairs[2 * octet] = digits[octet >> 4];
    pairs[2 * octet + 1] = digits[octet & 0x0F];
  }
  return pairs;
}

constexpr std::array<char, 512> upperOctets = octetDigits("0123456789ABCDEF");
constexpr std::array<char, 512> lowerOctets = octetDigits("0123456789abcdef");

struct Layout {
  char separator;
  std::size_t octetsPerGroup;
};

constexpr Layout layoutOf(MacFormat format) {
  switch (format) {
    case MacFormat::hyphen:
      return {'-', 1};
    case MacFormat::dot:
      return {'.', 2};
    case MacFormat::bare:
      return {'\0', 6};
    case MacFormat::colon:
      break;
  }
  return {':', 1};
}

// Hex digits in groups of groupLength, one separator between groups; the text's length fixes the
// number of digits, so a caller checks it first.
std::optional<std::uint64_t> readGroupedHex(std::string_view text, std::size_t groupLength, char separator) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((i + 1) % (groupLength + 1) == 0) {
      if (text[i] != separator) return std::nullopt;
      continue;
    }
    const std::uint8_t digit = hexValues[static_cast<unsigned char>(text[i])];
    if (digit == notHex) return std::nullopt;
    value = (value << 4) | digit;
  }
  return value;
}

constexpr bool isColonOrHyphen(char c) { return c == ':' || c == '-'; }

}  // namespace

std::optional<MacAddress> parseMacAddress(std::string_view text) {
  switch (text.size()) {
    case 12:
      return readGroupedHex(text, 12, '\0');
    case 14:
      return readGroupedHex(text, 4, '.');
    case 17:
      if (!isColonOrHyphen(text[2])) return std::nullopt;
      return readGroupedHex(text, 2, text[2]);
    default:
      return std::nullopt;
  }
}

void appendMacAddress(std::string& out, MacAddress address, MacFormat format, bool lowerCase) {
  const Layout layout = layoutOf(format);
  const std::array<char, 512>& digits = lowerCase ? lowerOctets : upperOctets;
  char text[17];
  std::size_t length = 0;
  for (std::size_t octet = 0; octet < 6; ++octet) {
    if (octet != 0 && octet % layout.octetsPerGroup == 0) text[length++] = layout.separator;
    const std::size_t value = static_cast<std::size_t>(address >> (40 - 8 * octet)) & 0xFF;
    text[length++] = digits[2 * value];
    text[length++] = digits[2 * value + 1];
  }
  out.append(text, length);
}

std::string formatMacAddress(MacAddress address, MacFormat format, bool lowerCase) {
  std::string text;
  appendMacAddress(text, address, format, lowerCase);
  return text;
}

std::optional<std::uint32_t> parseOui(std::string_view text) {
  std::optional<std::uint64_t> value;
  if (text.size() == 6) {
    value = readGroupedHex(text, 6, '\0');
  } else if (text.size() == 8 && isColonOrHyphen(text[2])) {
    value = readGroupedHex(text, 2, text[2]);
  }
  if (!value) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

}  // namespace macbatch
