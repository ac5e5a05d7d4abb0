// Long texts into the window's edit boxes: whole, in place, and left as a
// single write leaves them.

#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <string>

#include "win32/edit_text.h"
#include "win32/wide_text.h"
#include "window_fixture.h"

namespace macbatch::win32 {
namespace {

using enum Control;
using testing::WindowTest;

TEST(PieceEndTest, NeverSplitsALineBreakOrASurrogatePair) {
  const std::wstring text = L"ab\r\ncd\xD83D\xDE00" L"ef";
  const struct {
    std::size_t start;
    std::size_t length;
    std::size_t end;
  } cases[] = {
      {0, 2, 2},   // before CR
      {0, 3, 2},   // between CR and LF: back before CR
      {2, 1, 4},   // a piece of CR alone: on past LF
      {0, 7, 6},   // between the surrogates: back before the pair
      {6, 1, 8},   // the high surrogate alone: on past the low one
      {4, 0, 5},   // a length of 0 still moves on
      {8, 100, 10},
      {10, 5, 10},  // at the end
      {12, 5, 10},  // beyond it
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pieceEnd(text, c.start, c.length), c.end) << c.start << "+" << c.length;
  }
}

TEST(PieceLengthTest, GrowsWithTheTextWithinBounds) {
  EXPECT_EQ(pieceLength(0), pieceLength(1000));
  EXPECT_LT(pieceLength(40'000), pieceLength(400'000));
  EXPECT_EQ(pieceLength(100'000'000), pieceLength(1'000'000'000));
}

// Short lines of up to 15 letters and a Chinese character: a whole megabyte
// of them goes in at once.
std::string shortLines(std::size_t length) {
  std::string text;
  for (std::size_t line = 0; text.size() < length; ++line) {
    text.append(line % 16, static_cast<char>('A' + line % 26));
    text += "中\r\n";
  }
  return text;
}

// Long lines that go in in pieces, made so that the first piece would end
// between CR and LF and the second inside a surrogate pair.
std::string piecesEndingAtPairs() {
  const std::size_t piece = pieceLength(5 * 512);  // of a text that long
  std::string text(piece - 1, '7');
  text += "\r\n";  // the second piece starts at CR
  text.append(piece - 3, '7');
  text += "😀";
  text.append(3 * piece, '7');
  return text;
}

class EditTextTest : public WindowTest {
 protected:
  HWND box() const { return handleOf(编辑框2); }
  std::pair<DWORD, DWORD> selection() const {
    DWORD start = 0, end = 0;
    SendMessageW(box(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
};

TEST_F(EditTextTest, LongTextsComeBackWholeAndLeftAsOneWriteLeavesThem) {
  const std::string texts[] = {
      shortLines(1 << 20),       // 1 MB: beyond any default limit of an edit box
      piecesEndingAtPairs(),
      std::string(100'000, '7'),  // one line of 100,000 characters
  };
  for (const std::string& text : texts) {
    window().writeText(编辑框2, "old text\r\n");
    focus(编辑框2);
    Edit_SetSel(box(), 2, 5);
    window().writeText(编辑框2, text);
    EXPECT_EQ(window().readText(编辑框2), text) << text.size();
    EXPECT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{0})) << "the caret goes to the start";
    EXPECT_EQ(Edit_GetFirstVisibleLine(box()), 0);
    EXPECT_FALSE(Edit_GetModify(box()));
    EXPECT_FALSE(Edit_CanUndo(box()));
    EXPECT_TRUE(IsWindowVisible(box()));
  }
}

TEST_F(EditTextTest, LongAppendGoesToTheEndWholeAndCannotBeUndone) {
  window().writeText(编辑框2, "AA\r\nBB\r\n");
  focus(编辑框2);
  Edit_SetSel(box(), 1, 5);
  const std::string line(30'000, 'C');
  window().appendText(编辑框2, line);
  EXPECT_EQ(window().readText(编辑框2), "AA\r\nBB\r\n" + line);
  const auto end = static_cast<DWORD>(8 + line.size());
  EXPECT_EQ(selection(), std::make_pair(end, end));
  EXPECT_GT(Edit_GetFirstVisibleLine(box()), 0) << "scrolled to the end";
  SendMessageW(box(), EM_UNDO, 0, 0);
  EXPECT_EQ(window().readText(编辑框2).size(), 8 + line.size());
}

TEST_F(EditTextTest, LongTextInABoxThatIsNotShownLeavesItHidden) {
  ShowWindow(handleOf(编辑框6), SW_HIDE);
  const std::string text(20'000, '7');
  window().writeText(编辑框6, text);
  window().appendText(编辑框6, text);
  EXPECT_EQ(window().readText(编辑框6), text + text);
  EXPECT_FALSE(IsWindowVisible(handleOf(编辑框6)));
}

TEST_F(EditTextTest, TextAfterANullCharacterIsDroppedAsBefore) {
  const std::string kept = std::string(15'000, '7') + "\r\n";
  const std::string text = kept + '\0' + std::string(5'000, '7');
  window().writeText(编辑框2, text);
  EXPECT_EQ(window().readText(编辑框2), kept);
  window().appendText(编辑框2, text);
  EXPECT_EQ(window().readText(编辑框2), kept + kept);
}

}  // namespace
}  // namespace macbatch::win32
