#include "cli/batch_layout.h"

#include "cli/address_description.h"
#include "cli/json_text.h"

namespace macbatch {

std::string_view platformLineEnd() {
#ifdef _WIN32
  return "\r\n";
#else
  return "\n";
#endif
}

std::string withLineEnds(std::string_view text, std::string_view lineEnd) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') continue;  // its LF follows
    if (text[at] == '\n') {
      result.append(lineEnd);
    } else {
      result += text[at];
    }
  }
  return result;
}

namespace {

std::unique_ptr<SeparatorDropSink> separatorDropFor(const BatchLayout& layout, ByteSink& sink) {
  return layout.wrap && !layout.json ? std::make_unique<SeparatorDropSink>(sink) : nullptr;
}

}  // namespace

BatchPrinter::BatchPrinter(BatchLayout layout, ByteSink& sink)
    : layout_(std::move(layout)),
      separatorDrop_(separatorDropFor(layout_, sink)),
      writer_(separatorDrop_ ? *separatorDrop_ : sink),
      separator_(layout_.separator.value_or(layout_.lineEnd)) {}

void BatchPrinter::add(MacAddress address, std::optional<std::string_view> organisation) {
  std::string& out = writer_.buffer();
  if (layout_.json) {
    out += started_ ? "," : "[";
    out += layout_.lineEnd;
    out += "  {\"address\": \"";
    appendMacAddress(out, address, layout_.format, layout_.lowerCase);
    out += "\", \"vendor\": ";
    if (organisation) {
      appendJsonString(out, *organisation);
    } else {
      out += "null";
    }
    out += '}';
  } else {
    if (!started_ && layout_.wrap) out += layout_.prefix;
    appendMacAddress(out, address, layout_.format, layout_.lowerCase);
    if (layout_.showVendor) {
      out += '\t';
      out += organisation ? *organisation : addressKindLabel(address).value_or(unknownOrganisation);
    }
    out += separator_;
  }
  started_ = true;
  writer_.flushWhenFull();
}

WriteStatus BatchPrinter::finish() {
  if (layout_.json) {
    writer_.append(started_ ? layout_.lineEnd + "]" : "[]");
    writer_.append(layout_.lineEnd);
  } else if (started_ && layout_.wrap) {
    writer_.append(layout_.suffix);
  }
  const WriteStatus status = writer_.flush();
  if (status != WriteStatus::ok || !separatorDrop_) return status;
  return separatorDrop_->finish();
}

}  // namespace macbatch
