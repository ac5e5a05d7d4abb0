#include "shell/win32/clipboard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "shell/win32/wide_text.h"

namespace macbatch::win32 {
namespace {

struct ClipboardItem {
  std::string bytes;  // up to and including the first zero byte
  std::size_t blockSize = 0;
};

std::optional<ClipboardItem> readItem(UINT format) {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<ClipboardItem> item;
  if (HANDLE data = GetClipboardData(format)) {
    const std::size_t size = GlobalSize(data);
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    std::size_t end = 0;
    const std::size_t unit = format == CF_UNICODETEXT ? 2 : 1;
    while (end + unit <= size && std::string(bytes + end, unit) != std::string(unit, '\0')) end += unit;
    item = ClipboardItem{std::string(bytes, std::min(size, end + unit)), size};
    GlobalUnlock(data);
  }
  CloseClipboard();
  return item;
}

std::string wideBytes(std::wstring_view text) {
  std::string bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  return bytes + std::string(sizeof(wchar_t), '\0');
}

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
    const auto plain = readItem(CF_TEXT);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->bytes, c.ansi + '\0');
    EXPECT_GE(plain->blockSize, c.ansi.size() + 1);
    const auto wide = readItem(CF_UNICODETEXT);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->bytes, wideBytes(toWide(c.text)));
  }
}

TEST(ClipboardTest, CharactersOutsideTheCodePageSurviveInTheWideItem) {
  const std::string text = "Ελληνικά 한국어";
  ASSERT_TRUE(copyToClipboard(text));
  const auto wide = readItem(CF_UNICODETEXT);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->bytes, wideBytes(toWide(text)));
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
  const auto plain = readItem(CF_TEXT);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->bytes, std::string("theirs") + '\0');
}

}  // namespace
}  // namespace macbatch::win32
