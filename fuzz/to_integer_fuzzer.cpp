// toInteger reads what the user typed into the count box: any bytes at all.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text.h"

namespace {

using macbatch::Text;

bool isAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The number a plain ASCII text starts with, read the long way: white space,
// one sign, then the digits, taken modulo 2^32.
std::int32_t referenceInteger(std::string_view text) {
  std::size_t p = text.find_first_not_of(" \t\n\v\f\r");
  if (p == std::string_view::npos) return 0;
  const bool negative = text[p] == '-';
  if (text[p] == '+' || text[p] == '-') ++p;
  const std::size_t end = std::min(text.find_first_not_of("0123456789", p), text.size());
  std::uint64_t value = 0;
  for (; p < end; ++p) value = (value * 10 + static_cast<std::uint64_t>(text[p] - '0')) % (1ull << 32);
  if (negative) value = ((1ull << 32) - value) % (1ull << 32);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The same text as typed with a full-width keyboard: every printable ASCII
// character the folding knows and the space in its wide form.
Text widened(std::string_view text) {
  Text wide;
  for (char c : text) {
    char32_t value = static_cast<unsigned char>(c);
    if (c == ' ') {
      value = 0x3000;
    } else if (c >= '!' && c <= '}' && c != '$') {
      value = value + 0xFEE0;
    } else {
      wide += c;
      continue;
    }
    wide += static_cast<char>(0xE0 | (value >> 12));
    wide += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    wide += static_cast<char>(0x80 | (value & 0x3F));
  }
  return wide;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int32_t value = macbatch::toInteger(text);

  // Folding only shortens, and changes nothing that toInteger reads.
  const Text folded = macbatch::foldFullWidth(text);
  if (folded.size() > text.size()) __builtin_trap();
  if (macbatch::toInteger(folded) != value) __builtin_trap();
  // Without the lead byte of any foldable character, the text stays as it
  // was, but for a cut-off character at its end.
  if (text.find_first_of("\xE2\xE3\xEF") == std::string_view::npos &&
      (text.compare(0, folded.size(), folded) != 0 || text.size() - folded.size() > 3)) {
    __builtin_trap();
  }

  if (isAscii(text)) {
    if (value != referenceInteger(text)) __builtin_trap();
    if (macbatch::toInteger(widened(text)) != value) __builtin_trap();
  }
  return 0;
}
