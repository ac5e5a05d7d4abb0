#include "win32/edit_text.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/utf16.h"

namespace macbatch::win32 {
namespace {

// Wine's edit control, after every change, wraps the changed paragraph
// again from the line before the change to the paragraph's end, measuring
// the rest of the paragraph once for each wrapped line, and looks for word
// breaks in the whole text. One long line put in at once therefore costs
// time quadratic in its length; put in at the end in pieces, every wrap stays
// short. Each piece still costs one look through the whole text, so the
// pieces grow with the text, and a text without long lines goes in at once.
constexpr std::size_t shortestPiece = 512;
constexpr std::size_t longestPiece = 4096;

// Nothing of the box is drawn until the pieces are all in; then it is drawn
// once. A box that is not shown stays so.
class RedrawPause {
 public:
  explicit RedrawPause(HWND box) : box_((GetWindowStyle(box) & WS_VISIBLE) ? box : nullptr) {
    if (box_) SetWindowRedraw(box_, FALSE);
  }
  ~RedrawPause() {
    if (!box_) return;
    SetWindowRedraw(box_, TRUE);
    InvalidateRect(box_, nullptr, TRUE);
  }
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;

 private:
  HWND box_;
};

// A paragraph ends at LF, alone or after CR.
bool hasParagraphLongerThan(std::wstring_view text, std::size_t limit) {
  std::size_t paragraph = 0;
  for (wchar_t c : text) {
    paragraph = c == L'\n' ? 0 : paragraph + 1;
    if (paragraph > limit) return true;
  }
  return false;
}

// Windows takes a text up to its first null character.
std::wstring_view upToNull(std::wstring_view text) { return text.substr(0, text.find(L'\0')); }

void replaceSelection(HWND box, const wchar_t* text) {
  SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
}

// Each piece replaces the selection and leaves the caret behind itself, where
// the next one goes.
void replaceSelectionInPieces(HWND box, std::wstring_view text, std::size_t length) {
  std::wstring piece;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = pieceEnd(text, start, length);
    piece.assign(text.substr(start, end - start));
    replaceSelection(box, piece.c_str());
    start = end;
  }
}

}  // namespace

std::size_t pieceLength(std::size_t total) {
  const auto grown = static_cast<std::size_t>(4 * std::sqrt(static_cast<double>(total)));
  return std::clamp(grown, shortestPiece, longestPiece);
}

std::size_t pieceEnd(std::wstring_view text, std::size_t start, std::size_t length) {
  if (start >= text.size()) return text.size();
  std::size_t end = start + std::min(std::max<std::size_t>(length, 1), text.size() - start);
  if (end == text.size()) return end;
  const bool splitsPair = (text[end - 1] == L'\r' && text[end] == L'\n') ||
                          (utf16::isHighSurrogate(text[end - 1]) && utf16::isLowSurrogate(text[end]));
  if (!splitsPair) return end;
  return end - 1 > start ? end - 1 : end + 1;
}

void replaceMultiLineText(HWND box, std::wstring_view text) {
  text = upToNull(text);
  const std::size_t length = pieceLength(text.size());
  if (!hasParagraphLongerThan(text, length)) {
    SetWindowTextW(box, std::wstring(text).c_str());
    return;
  }
  RedrawPause pause(box);
  SetWindowTextW(box, L"");
  replaceSelectionInPieces(box, text, length);
  Edit_SetSel(box, 0, 0);
  Edit_ScrollCaret(box);
  Edit_SetModify(box, FALSE);
}

void replaceMultiLineSelection(HWND box, std::wstring_view text) {
  text = upToNull(text);
  const std::size_t length = pieceLength(static_cast<std::size_t>(GetWindowTextLengthW(box)) + text.size());
  if (!hasParagraphLongerThan(text, length)) {
    replaceSelection(box, std::wstring(text).c_str());
    return;
  }
  RedrawPause pause(box);
  replaceSelectionInPieces(box, text, length);
}

}  // namespace macbatch::win32
