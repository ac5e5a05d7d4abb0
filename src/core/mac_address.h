#pragma once
// A 48-bit MAC address and its four printed forms.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace macbatch {

// A 48-bit MAC address; the first octet in bits 40 to 47.
using MacAddress = std::uint64_t;
inline constexpr MacAddress macAddressMask = 0xFFFF'FFFF'FFFFull;

// AA:BB:CC:DD:EE:FF, AA-BB-CC-DD-EE-FF, AABB.CCDD.EEFF (Cisco), AABBCCDDEEFF.
enum class MacFormat { colon, hyphen, dot, bare };

// Any of the four forms, digits in either case; nothing else (no spaces: callers trim).
std::optional<MacAddress> parseMacAddress(std::string_view text);

// Upper case unless lowerCase. Bits above the 48 address bits are ignored.
void appendMacAddress(std::string& out, MacAddress address, MacFormat format, bool lowerCase = false);
std::string formatMacAddress(MacAddress address, MacFormat format, bool lowerCase = false);

// A 24-bit prefix "XX:XX:XX", "XX-XX-XX" or "XXXXXX", digits in either case.
std::optional<std::uint32_t> parseOui(std::string_view text);

constexpr bool isMulticast(MacAddress a) { return (a >> 40) & 0x01; }
constexpr bool isLocallyAdministered(MacAddress a) { return (a >> 40) & 0x02; }

}  // namespace macbatch
