#pragma once
// The character stepping that every text scanner shares.

#include <cstddef>
#include <string_view>

namespace macbatch::utf8 {

// Length in bytes of the character that starts at `at`: 1 for ASCII and for a
// byte that cannot start a well-formed sequence, else the lead byte's length
// when the continuation bytes are all there. 0 when the text ends inside the
// sequence: the scanners treat a cut-off character at the end as the end.
std::size_t characterLength(std::string_view text, std::size_t at);

}  // namespace macbatch::utf8
