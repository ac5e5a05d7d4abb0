#include "core/text.h"

#include <charconv>

#include "core/utf8.h"

namespace macbatch {
namespace {

unsigned char lowerAscii(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

bool matchesAt(std::string_view text, std::size_t at, std::string_view find, bool caseSensitive) {
  if (caseSensitive) return text.compare(at, find.size(), find) == 0;
  for (std::size_t i = 0; i < find.size(); ++i) {
    if (lowerAscii(text[at + i]) != lowerAscii(find[i])) return false;
  }
  return true;
}

}  // namespace

Text joinText(std::initializer_list<std::string_view> parts) {
  std::size_t length = 0;
  for (std::string_view part : parts) length += part.size();
  Text joined;
  joined.reserve(length);
  for (std::string_view part : parts) joined.append(part);
  return joined;
}

Text toText(std::int32_t value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return Text(digits, end);
}

Text replaceText(std::string_view text, std::string_view find, std::string_view replacement,
                 std::int32_t start, std::optional<std::int32_t> count, bool caseSensitive) {
  const std::size_t skipped = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (text.empty() || find.empty() || skipped >= text.size() || count == 0) return Text(text);
  // A negative count is as unlimited as an absent one; 0 below means no limit.
  std::int32_t remaining = count && *count > 0 ? *count : 0;

  Text result(text.substr(0, skipped));
  std::size_t p = skipped;
  while (text.size() - p >= find.size()) {
    if (matchesAt(text, p, find, caseSensitive)) {
      result.append(replacement);
      p += find.size();
      if (remaining > 0 && --remaining == 0) break;
      continue;
    }
    const std::size_t step = utf8::characterLength(text, p);
    if (step == 0) break;
    result.append(text.substr(p, step));
    p += step;
  }
  result.append(text.substr(p));
  return result;
}

}  // namespace macbatch
