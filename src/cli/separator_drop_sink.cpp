#include "cli/separator_drop_sink.h"

namespace macbatch {
namespace {

constexpr std::string_view separatorBeforeSuffix = "\",\"\")";
constexpr std::string_view suffixAlone = "\")";
constexpr std::size_t heldBack = separatorBeforeSuffix.size() - 1;

}  // namespace

WriteStatus SeparatorDropSink::write(std::string_view bytes) {
  std::string text = std::move(held_);
  text.append(bytes);
  held_.clear();
  work_.clear();
  std::size_t from = 0;
  for (;;) {
    const std::size_t match = text.find(separatorBeforeSuffix, from);
    if (match == std::string::npos) break;
    work_.append(text, from, match - from);
    work_.append(suffixAlone);
    from = match + separatorBeforeSuffix.size();
  }
  const std::size_t keepFrom = text.size() - from > heldBack ? text.size() - heldBack : from;
  work_.append(text, from, keepFrom - from);
  held_.assign(text, keepFrom);
  return work_.empty() ? WriteStatus::ok : next_.write(work_);
}

WriteStatus SeparatorDropSink::finish() {
  const std::string rest = std::move(held_);
  held_.clear();
  return rest.empty() ? WriteStatus::ok : next_.write(rest);
}

}  // namespace macbatch
