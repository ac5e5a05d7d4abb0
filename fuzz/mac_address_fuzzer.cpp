// parseMacAddress and parseOui read the addresses and prefixes given to the
// command-line program.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/mac_address.h"

namespace {

using macbatch::MacAddress;
using macbatch::MacFormat;

constexpr MacFormat allFormats[] = {MacFormat::colon, MacFormat::hyphen, MacFormat::dot, MacFormat::bare};

std::string upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
  }
  return text;
}

// Accepted means written in one of the printed forms, letters in any case.
bool isPrintedForm(const std::string& text, MacAddress address) {
  for (const MacFormat format : allFormats) {
    if (upper(text) == macbatch::formatMacAddress(address, format)) return true;
  }
  return false;
}

bool isPrefixForm(const std::string& text, std::uint32_t prefix) {
  const MacAddress address = MacAddress{prefix} << 24;
  const std::string bare = macbatch::formatMacAddress(address, MacFormat::bare).substr(0, 6);
  const std::string colon = macbatch::formatMacAddress(address, MacFormat::colon).substr(0, 8);
  const std::string hyphen = macbatch::formatMacAddress(address, MacFormat::hyphen).substr(0, 8);
  const std::string typed = upper(text);
  return typed == bare || typed == colon || typed == hyphen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::uint64_t bits = input.ConsumeIntegral<std::uint64_t>();
  const std::string text = input.ConsumeRemainingBytesAsString();

  if (const std::optional<MacAddress> address = macbatch::parseMacAddress(text)) {
    if (*address > macbatch::macAddressMask) __builtin_trap();
    if (!isPrintedForm(text, *address)) __builtin_trap();
  }
  if (const std::optional<std::uint32_t> prefix = macbatch::parseOui(text)) {
    if (*prefix > 0xFFFFFF) __builtin_trap();
    if (!isPrefixForm(text, *prefix)) __builtin_trap();
  }

  // Every printed form reads back as the address, the bits above 48 dropped.
  for (const MacFormat format : allFormats) {
    for (const bool lowerCase : {false, true}) {
      const std::string printed = macbatch::formatMacAddress(bits, format, lowerCase);
      if (macbatch::parseMacAddress(printed) != (bits & macbatch::macAddressMask)) __builtin_trap();
    }
  }
  return 0;
}
