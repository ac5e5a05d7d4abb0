#pragma once
// The character stepping that every text scanner shares.
//
// A text read from Windows may hold a lone UTF-16 surrogate. It is kept as the
// three bytes its value would have (ED A0..BF 80..BF, as in generalised UTF-8)
// and stepped over as one character, so that no match begins inside it.

#include <cstddef>
#include <string_view>

namespace macbatch::utf8 {

// Length in bytes of the character that starts at `at`: 1 for ASCII and for a
// byte that cannot start a well-formed sequence, else the lead byte's length
// when the continuation bytes are all there. 0 when the text ends inside the
// sequence: the scanners treat a cut-off character at the end as the end.
std::size_t characterLength(std::string_view text, std::size_t at);

struct DecodedCharacter {
  char32_t codePoint;
  std::size_t length;  // in bytes, at least 1
};

// The character that starts at `at`, which must lie inside the text. Bytes
// that form no character give U+FFFD once for each maximal ill-formed part:
// the lead and as many continuation bytes as could still have completed it.
DecodedCharacter decodeCharacter(std::string_view text, std::size_t at);

inline constexpr char32_t replacementCharacter = 0xFFFD;

}  // namespace macbatch::utf8
