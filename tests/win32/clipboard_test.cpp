#include "win32/clipboard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "clipboard_reader.h"
#include "win32/wide_text.h"

namespace macbatch::win32 {
namespace {

using testing::readClipboardItem;
using testing::wideItemBytes;

TEST(ClipboardTest, PlainTextIsTheAnsiBytesWithOneZeroAndTheWideTextBesideIt) {
  ASSERT_EQ(GetACP(), 936u) << "the tests run with the GBK code page";
  struct {
    std::string text;
    std::string ansi;
  } const cases[] = {
      {"中文\r\n:set []", "\xD6\xD0\xCE\xC4\r\n:set []"},
      {"", ""},
      {"7C:55:E7:0A:F3:91\r\n", "7C:55:E7:0A:F3:91\r\n"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(copyToClipboard(c.text));
    const auto plain = readClipboardItem(CF_TEXT);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->bytes, c.ansi + '\0');
    EXPECT_GE(plain->blockSize, c.ansi.size() + 1);
    const auto wide = readClipboardItem(CF_UNICODETEXT);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->bytes, wideItemBytes(toWide(c.text)));
  }
}

TEST(ClipboardTest, CharactersOutsideTheCodePageSurviveInTheWideItem) {
  const std::string text = "Ελληνικά 한국어";
  ASSERT_TRUE(copyToClipboard(text));
  const auto wide = readClipboardItem(CF_UNICODETEXT);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->bytes, wideItemBytes(toWide(text)));
}

TEST(ClipboardTest, LoneSurrogatesKeepTheirUnitsAndShowAsQuestionMarksInPlainText) {
  ASSERT_EQ(GetACP(), 936u) << "the tests run with the GBK code page";
  const std::wstring units = L"\xDC00中\xD800\xDBFF-\xDC00\xD800";
  ASSERT_TRUE(copyToClipboard(toUtf8(units)));
  const auto wide = readClipboardItem(CF_UNICODETEXT);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->bytes, wideItemBytes(units));
  const auto plain = readClipboardItem(CF_TEXT);
  ASSERT_TRUE(plain);
  // "??-" would be a trigraph.
  const std::string ansi = std::string("?\xD6\xD0??") + "-??";
  EXPECT_EQ(plain->bytes, ansi + '\0');
}

TEST(ClipboardTest, NothingChangesWhileAnotherHolderHasItOpen) {
  ASSERT_TRUE(copyToClipboard("theirs"));
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  bool holderOpened = false;
  std::thread holder([&] {
    // Opened for a window of its own: an open without a window does not
    // keep other opens without one out.
    HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    holderOpened = OpenClipboard(owner) != FALSE;
    SetEvent(opened);
    WaitForSingleObject(done, INFINITE);
    CloseClipboard();
    DestroyWindow(owner);
  });
  WaitForSingleObject(opened, INFINITE);
  ASSERT_TRUE(holderOpened);
  EXPECT_FALSE(copyToClipboard("mine"));
  SetEvent(done);
  holder.join();
  CloseHandle(opened);
  CloseHandle(done);
  const auto plain = readClipboardItem(CF_TEXT);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->bytes, std::string("theirs") + '\0');
}

}  // namespace
}  // namespace macbatch::win32
