#include "core/text_list.h"

#include "core/platform.h"
#include "core/utf8.h"

namespace macbatch {

std::int32_t memberCount(const TextList& list) { return static_cast<std::int32_t>(list.members_.size()); }

const Text& memberAt(const TextList& list, std::int32_t position) {
  if (position < 1) reportFatalError("数组成员引用下标必须大于等于1", 4);
  if (position > memberCount(list)) reportFatalError("数组成员引用下标超出定义范围", 1);
  return list.members_[static_cast<std::size_t>(position) - 1];
}

TextList splitText(std::string_view text, std::string_view separator, std::optional<std::int32_t> limit) {
  if (text.empty() || (limit && *limit <= 0)) return {};
  if (separator.empty()) return TextList({Text(text)});

  std::vector<Text> members;
  std::size_t p = 0;
  std::size_t pieceStart = 0;
  while (text.size() - p >= separator.size()) {
    if (text.compare(p, separator.size(), separator) == 0) {
      members.emplace_back(text.substr(pieceStart, p - pieceStart));
      p += separator.size();
      pieceStart = p;
      if (limit && --*limit == 0) return TextList(std::move(members));
      continue;
    }
    const std::size_t step = utf8::characterLength(text, p);
    if (step == 0) break;
    p += step;
  }
  if (pieceStart < text.size()) members.emplace_back(text.substr(pieceStart));
  return TextList(std::move(members));
}

}  // namespace macbatch
