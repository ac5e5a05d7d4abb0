#pragma once
// Texts are UTF-8 inside the program and UTF-16 at every Windows call. Both
// ways keep every code unit, a lone surrogate included (see core/utf16.h).

#include <string>
#include <string_view>

#include "core/text.h"

namespace macbatch::win32 {

std::wstring toWide(std::string_view text);
Text toUtf8(std::wstring_view text);

}  // namespace macbatch::win32
