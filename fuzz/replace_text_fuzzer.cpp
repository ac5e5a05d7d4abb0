// replaceText runs over texts the user typed: the batch, the prefix and the
// suffix, with the separator clean-up's find text or any other.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/text.h"
#include "core/text_list.h"
#include "core/utf8.h"

namespace {

using macbatch::Text;

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

Text lowered(std::string_view text) {
  Text lower(text);
  for (char& c : lower) c = lowerAscii(c);
  return lower;
}

// Only whole characters (lone surrogates' three bytes included): then a match
// can only begin where a character does, as plain byte search finds it.
bool wholeCharacters(std::string_view text) {
  for (std::size_t p = 0; p < text.size();) {
    const std::size_t step = macbatch::utf8::characterLength(text, p);
    if (step == 0 || (step == 1 && static_cast<unsigned char>(text[p]) >= 0x80)) return false;
    p += step;
  }
  return true;
}

// Left to right with std::string_view::find, never looking into a replacement.
Text referenceReplace(std::string_view text, std::string_view find, std::string_view replacement,
                      std::int32_t start, std::optional<std::int32_t> count, bool caseSensitive) {
  const Text haystack = caseSensitive ? Text(text) : lowered(text);
  const Text needle = caseSensitive ? Text(find) : lowered(find);
  std::size_t p = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (find.empty() || p >= text.size() || count == 0) return Text(text);
  std::int64_t remaining = count && *count > 0 ? *count : -1;
  Text result(text.substr(0, p));
  while (remaining != 0) {
    const std::size_t at = std::string_view(haystack).find(needle, p);
    if (at == std::string_view::npos) break;
    result.append(text.substr(p, at - p)).append(replacement);
    p = at + find.size();
    if (remaining > 0) --remaining;
  }
  return result.append(text.substr(p));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool caseSensitive = input.ConsumeBool();
  const std::int32_t start =
      input.ConsumeBool() ? input.ConsumeIntegral<std::int32_t>() : input.ConsumeIntegral<std::int8_t>();
  const std::optional<std::int32_t> count =
      input.ConsumeBool() ? std::optional<std::int32_t>(input.ConsumeIntegral<std::int8_t>()) : std::nullopt;
  const std::string find = input.ConsumeRandomLengthString(8);
  const std::string replacement = input.ConsumeRandomLengthString(8);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const Text result = macbatch::replaceText(text, find, replacement, start, count, caseSensitive);

  // Text before the start is never touched.
  const std::size_t skipped = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (result.compare(0, skipped, text, 0, skipped) != 0) __builtin_trap();

  // No match, or nothing to do: the text comes back as it was.
  const bool absent = caseSensitive ? text.find(find) == std::string::npos
                                    : lowered(text).find(lowered(find)) == std::string::npos;
  if ((absent || count == 0 || find.empty()) && result != text) __builtin_trap();
  if (caseSensitive && replacement == find && result != text) __builtin_trap();

  // Each replacement changes the length by the same amount, and there are no
  // more of them than the count allows.
  const auto grown = static_cast<std::int64_t>(result.size()) - static_cast<std::int64_t>(text.size());
  const auto step = static_cast<std::int64_t>(replacement.size()) - static_cast<std::int64_t>(find.size());
  if (step == 0 ? grown != 0 : grown % step != 0) __builtin_trap();
  if (step != 0 && (grown / step < 0 || (count && *count > 0 && grown / step > *count))) __builtin_trap();

  // Over whole characters the scan is plain byte search.
  if (wholeCharacters(text) && wholeCharacters(find) &&
      result != referenceReplace(text, find, replacement, start, count, caseSensitive)) {
    __builtin_trap();
  }

  // From the start, with no count, the two scanners agree: the members of the
  // split joined by the replacement, and one more where a separator ends the text.
  if (caseSensitive && !find.empty()) {
    const macbatch::TextList members = macbatch::splitText(text, find);
    Text joined;
    Text rejoined;
    for (std::int32_t position = 1; position <= memberCount(members); ++position) {
      if (position > 1) {
        joined.append(replacement);
        rejoined.append(find);
      }
      joined.append(memberAt(members, position));
      rejoined.append(memberAt(members, position));
    }
    if (rejoined != text) joined.append(replacement);
    if (macbatch::replaceText(text, find, replacement) != joined) __builtin_trap();
  }
  return 0;
}
