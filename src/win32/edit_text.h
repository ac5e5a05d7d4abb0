#pragma once
// Putting text into a multi-line edit box in time about linear in its length,
// however long its lines.

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace macbatch::win32 {

// Replaces the box's whole text and leaves it as WM_SETTEXT does: the caret
// at the start, scrolled to the top, nothing to undo, not modified.
void replaceMultiLineText(HWND box, std::wstring_view text);

// Replaces the selection by `text`, which cannot be undone, and scrolls the
// caret into view, as one EM_REPLACESEL does.
void replaceMultiLineSelection(HWND box, std::wstring_view text);

// How many characters go into the box at a time when it will hold `total`.
std::size_t pieceLength(std::size_t total);

// Where the piece that starts at `start` ends: `length` characters on at
// most, but never between CR and LF nor inside a surrogate pair, and always
// at least one character on while there is any.
std::size_t pieceEnd(std::wstring_view text, std::size_t start, std::size_t length);

}  // namespace macbatch::win32
