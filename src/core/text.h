#pragma once
// Texts and the operations that build them.
//
// A Text is UTF-8 in memory. Every scan steps over whole characters, so that
// no match ever begins inside a multi-byte character.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace macbatch {

using Text = std::string;

// The concatenation of the parts, in order, with nothing between them.
Text joinText(std::initializer_list<std::string_view> parts);

// Decimal form: "-" for negatives, no leading zeros, no grouping.
Text toText(std::int32_t value);

// Reads a decimal integer after folding full-width digits, signs and the
// ideographic space to ASCII. Leading white space is skipped, one sign is
// taken, digits accumulate with 32-bit wrap-around, the first non-digit
// ends the number. A text without leading digits gives 0.
std::int32_t toInteger(std::string_view text);

// The folding step of toInteger, exposed for its own tests.
Text foldFullWidth(std::string_view text);

// Replaces matches of `find` from left to right, never overlapping and never
// searching inserted text again. `start` is a 1-based byte position (below 1
// counts as 1); `count` limits the replacements (0: none, negative or absent:
// all). Without case sensitivity only ASCII letters match their other case.
Text replaceText(std::string_view text, std::string_view find, std::string_view replacement = {},
                 std::int32_t start = 1, std::optional<std::int32_t> count = std::nullopt,
                 bool caseSensitive = true);

}  // namespace macbatch
