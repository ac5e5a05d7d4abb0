#pragma once
// Texts as Windows holds them: UTF-16 code units, which need not pair up.
//
// What the user typed must come back unchanged, code unit for code unit, so
// a lone surrogate is not replaced on the way in: it becomes the three bytes
// its value would have in UTF-8 (see core/utf8.h), and turns back into the
// same unit on the way out. Every valid text is plain UTF-8 inside.

#include <string>
#include <string_view>

#include "core/text.h"

namespace macbatch::utf16 {

constexpr bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// A high surrogate followed by a low one becomes the one 4-byte character
// they stand for; any other surrogate its own 3-byte sequence.
Text toUtf8(std::u16string_view units);

// Gives back the units of toUtf8 for each of its results. A lone surrogate's
// three bytes give that unit, also when a high one's are followed by a low
// one's: those are two units, which then pair up. Bytes that form no
// character become U+FFFD, once for each maximal ill-formed part.
std::u16string fromUtf8(std::string_view text);

}  // namespace macbatch::utf16
