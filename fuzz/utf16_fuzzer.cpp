// Every text of a window box passes through these conversions, in whatever
// state the user left it; any bytes at all may come from elsewhere.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/utf16.h"
#include "core/utf8.h"

namespace {

using macbatch::Text;

// Well-formed UTF-8 by its definition: shortest form, no surrogates, nothing
// above U+10FFFF.
bool isValidUtf8(std::string_view text) {
  for (std::size_t p = 0; p < text.size();) {
    const auto lead = static_cast<unsigned char>(text[p]);
    std::size_t length = 0;
    if (lead < 0x80) {
      length = 1;
    } else if (lead >> 5 == 0x6) {
      length = 2;
    } else if (lead >> 4 == 0xE) {
      length = 3;
    } else if (lead >> 3 == 0x1E) {
      length = 4;
    }
    if (length == 0 || p + length > text.size()) return false;
    char32_t value = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
      const auto byte = static_cast<unsigned char>(text[p + i]);
      if (byte >> 6 != 0x2) return false;
      value = (value << 6) | (byte & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    p += length;
  }
  return true;
}

// What the scanners need of a converted text: they step over it in whole
// characters, never starting inside one.
bool steppedWhole(std::string_view text) {
  for (std::size_t p = 0; p < text.size();) {
    const std::size_t step = macbatch::utf8::characterLength(text, p);
    if (step == 0 || (step == 1 && static_cast<unsigned char>(text[p]) >= 0x80)) return false;
    p += step;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The bytes as code units, in pairs, as a window box holds them.
  std::u16string units(size / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  const Text converted = macbatch::utf16::toUtf8(units);
  if (macbatch::utf16::fromUtf8(converted) != units) __builtin_trap();
  if (!steppedWhole(converted)) __builtin_trap();

  // The same bytes as a text from elsewhere.
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::u16string read = macbatch::utf16::fromUtf8(text);
  const Text written = macbatch::utf16::toUtf8(read);
  if (isValidUtf8(text) && written != text) __builtin_trap();
  if (macbatch::utf16::fromUtf8(written) != read) __builtin_trap();
  if (read.size() > text.size()) __builtin_trap();
  return 0;
}
