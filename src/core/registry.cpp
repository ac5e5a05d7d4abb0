#include "core/registry.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <system_error>
#include <utility>

namespace macbatch {
namespace {

constexpr std::size_t kindCount = 4;

struct KindInfo {
  std::string_view name;
  std::string_view fileName;
  std::uint8_t prefixBits;
};

constexpr std::array<KindInfo, kindCount> kindInfos = {{
    {"MA-L", "oui.csv", 24},
    {"MA-M", "mam.csv", 28},
    {"MA-S", "oui36.csv", 36},
    {"IAB", "iab.csv", 36},
}};

constexpr std::array<RegistryKind, kindCount> allKinds = {RegistryKind::maL, RegistryKind::maM,
                                                          RegistryKind::maS, RegistryKind::iab};

// Longest prefixes first. MA-S and IAB blocks never share a prefix in the published data; should a
// download ever have both, the MA-S row wins.
constexpr std::array<RegistryKind, kindCount> longestFirst = {RegistryKind::maS, RegistryKind::iab,
                                                              RegistryKind::maM, RegistryKind::maL};

constexpr std::size_t indexOf(RegistryKind kind) { return static_cast<std::size_t>(kind); }

constexpr bool isKnown(RegistryKind kind) { return indexOf(kind) < kindCount; }

// ---- Reading CSV records ----

struct CsvCursor {
  std::string_view text;
  std::size_t position = 0;
  std::size_t line = 1;
};

// Consumes a line end ("\r\n", "\n" or "\r") at the cursor, if there is one.
bool consumeLineEnd(CsvCursor& cursor) {
  const std::string_view text = cursor.text;
  std::size_t& position = cursor.position;
  if (position >= text.size()) return false;
  if (text[position] == '\n') {
    ++position;
  } else if (text[position] == '\r') {
    ++position;
    if (position < text.size() && text[position] == '\n') ++position;
  } else {
    return false;
  }
  ++cursor.line;
  return true;
}

bool atFieldEnd(const CsvCursor& cursor) {
  if (cursor.position >= cursor.text.size()) return true;
  const char c = cursor.text[cursor.position];
  return c == ',' || c == '\n' || c == '\r';
}

// Reads the record at the cursor into `fields`. Returns the reason when a quote is wrong. A quote
// inside an unquoted field is taken as a plain character, as spreadsheet programs do.
std::optional<std::string_view> readRecord(CsvCursor& cursor, std::vector<std::string>& fields) {
  const std::string_view text = cursor.text;
  std::size_t& position = cursor.position;
  fields.clear();
  while (true) {
    std::string& field = fields.emplace_back();
    if (position < text.size() && text[position] == '"') {
      ++position;
      while (true) {
        if (position >= text.size()) return "a quoted field is not closed";
        if (text[position] == '"') {
          ++position;
          if (position < text.size() && text[position] == '"') {
            field += '"';
            ++position;
            continue;
          }
          break;
        }
        const std::size_t before = position;
        if (consumeLineEnd(cursor)) {
          field.append(text.substr(before, position - before));
        } else {
          field += text[position++];
        }
      }
      if (!atFieldEnd(cursor)) return "text follows a closing quote";
    } else {
      const std::size_t start = position;
      while (!atFieldEnd(cursor)) ++position;
      field.assign(text.substr(start, position - start));
    }
    if (position < text.size() && text[position] == ',') {
      ++position;
      continue;
    }
    consumeLineEnd(cursor);
    return std::nullopt;
  }
}

bool isBlank(const std::vector<std::string>& fields) { return fields.size() == 1 && fields[0].empty(); }

// ---- Organisation names ----

struct CodePoint {
  char32_t value;
  std::size_t length;  // 0: not UTF-8
};

CodePoint decodeUtf8(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t value = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return {0, 0};
  }
  if (text.size() - at < length) return {0, 0};
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(i);
    if (next < low || next > high) return {0, 0};
    low = 0x80;
    high = 0xBF;
    value = (value << 6) | (next & 0x3Fu);
  }
  return {value, length};
}

constexpr bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Kept in step with TRIMMED_SPACES in tools/make_registry.py.
constexpr bool isTrimmedSpace(char32_t c) {
  return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
         c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

// Control characters (a tab, a line break in a quoted name) become spaces, then white space is
// trimmed from both ends. nullopt when the name is not UTF-8.
std::optional<std::string> cleanOrganisation(std::string_view raw) {
  std::string cleaned;
  cleaned.reserve(raw.size());
  std::size_t keptStart = std::string::npos;
  std::size_t keptEnd = 0;
  for (std::size_t at = 0; at < raw.size();) {
    const CodePoint c = decodeUtf8(raw, at);
    if (c.length == 0) return std::nullopt;
    const bool control = isControl(c.value);
    if (control) {
      cleaned += ' ';
    } else {
      cleaned.append(raw.substr(at, c.length));
    }
    if (!control && !isTrimmedSpace(c.value)) {
      if (keptStart == std::string::npos) keptStart = cleaned.size() - c.length;
      keptEnd = cleaned.size();
    }
    at += c.length;
  }
  if (keptStart == std::string::npos) return std::string();
  return cleaned.substr(keptStart, keptEnd - keptStart);
}

// ---- Rows ----

// A value from the file, fit to quote in a message.
std::string shown(std::string_view value) {
  constexpr std::size_t longest = 24;
  std::string text = "'";
  for (std::size_t i = 0; i < value.size() && i < longest; ++i) {
    const char c = value[i];
    text += (c >= 0x20 && c < 0x7F) ? c : '?';
  }
  if (value.size() > longest) text += "...";
  return text + "'";
}

std::optional<std::uint64_t> parseAssignment(std::string_view text, std::size_t digits) {
  if (text.size() != digits) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    unsigned digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else {
      return std::nullopt;
    }
    value = (value << 4) | digit;
  }
  return value;
}

// Why the record is not a row of the given registry, or the row.
std::variant<RegistryCsvRow, std::string> readRow(const std::vector<std::string>& fields,
                                                  const KindInfo& info) {
  if (fields.size() < 3) return "expected at least 3 columns, found " + std::to_string(fields.size());
  if (fields[0] != info.name)
    return "the registry is " + shown(fields[0]) + ", not " + std::string(info.name);
  const std::size_t digits = info.prefixBits / 4;
  const std::optional<std::uint64_t> prefix = parseAssignment(fields[1], digits);
  if (!prefix)
    return "the assignment " + shown(fields[1]) + " is not " + std::to_string(digits) + " hex digits";
  std::optional<std::string> organisation = cleanOrganisation(fields[2]);
  if (!organisation) return std::string("the organisation name is not UTF-8");
  return RegistryCsvRow{*prefix, std::move(*organisation)};
}

// ---- Files ----

std::string pathText(const std::filesystem::path& path) {
  // UTF-8 whatever the platform; a Windows name that is not valid UTF-16 has no UTF-8 form.
  try {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
  } catch (...) {
    return "(a file name that is not Unicode)";
  }
}

std::variant<std::string, std::string_view> readWholeFile(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return std::string_view("not found");
  if (error) return std::string_view("cannot be examined");
  if (std::filesystem::is_directory(status)) return std::string_view("is a folder, not a file");
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::string_view("cannot be opened");
  std::string text;
  char buffer[64 * 1024];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::string_view("cannot be read");
  return text;
}

// ---- Lookup helpers ----

bool containsIgnoringAsciiCase(std::string_view text, std::string_view part) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                 [&](char a, char b) { return lower(a) == lower(b); });
  return found != text.end() || part.empty();
}

// Cuts a name to at most `limit` bytes without splitting a UTF-8 sequence.
std::string_view cutAtCharacter(std::string_view name, std::size_t limit) {
  if (name.size() <= limit) return name;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
  return name.substr(0, end);
}

}  // namespace

std::string_view registryName(RegistryKind kind) {
  return isKnown(kind) ? kindInfos[indexOf(kind)].name : "";
}

std::string describeRegistryError(const RegistryError& error) {
  if (error.line == 0) return error.file + ": " + error.reason;
  return error.file + ":" + std::to_string(error.line) + ": " + error.reason;
}

std::variant<std::vector<RegistryCsvRow>, RegistryError> parseRegistryCsv(std::string_view csv,
                                                                          RegistryKind kind,
                                                                          std::string_view fileName) {
  const auto failure = [&](std::size_t line, std::string reason) {
    return RegistryError{std::string(fileName), line, std::move(reason)};
  };
  if (!isKnown(kind)) return failure(0, "not a known registry");
  const KindInfo& info = kindInfos[indexOf(kind)];

  constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
  if (csv.substr(0, byteOrderMark.size()) == byteOrderMark) csv.remove_prefix(byteOrderMark.size());
  if (csv.empty()) return failure(0, "is empty, not even a header line");

  CsvCursor cursor{csv};
  std::vector<std::string> fields;
  if (const auto bad = readRecord(cursor, fields)) return failure(1, std::string(*bad));

  std::vector<RegistryCsvRow> rows;
  while (cursor.position < csv.size()) {
    const std::size_t line = cursor.line;
    if (const auto bad = readRecord(cursor, fields)) return failure(line, std::string(*bad));
    if (isBlank(fields)) continue;
    auto row = readRow(fields, info);
    if (auto* reason = std::get_if<std::string>(&row)) return failure(line, std::move(*reason));
    rows.push_back(std::get<RegistryCsvRow>(std::move(row)));
  }
  return rows;
}

struct Registry::OwnedTables {
  std::array<std::vector<RegistryRow>, kindCount> rows;
  std::vector<std::string> chunkTexts;
  std::vector<std::string_view> chunks;
};

Registry::Registry(std::array<std::vector<RegistryCsvRow>, 4> rowsByKind) {
  auto owned = std::make_shared<OwnedTables>();
  owned->chunkTexts.emplace_back();
  for (const RegistryKind kind : allKinds) {
    std::vector<RegistryCsvRow>& rows = rowsByKind[indexOf(kind)];
    const std::uint8_t bits = kindInfos[indexOf(kind)].prefixBits;
    for (RegistryCsvRow& row : rows) row.prefix &= (std::uint64_t{1} << bits) - 1;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const RegistryCsvRow& a, const RegistryCsvRow& b) { return a.prefix < b.prefix; });
    rows.erase(
        std::unique(rows.begin(), rows.end(),
                    [](const RegistryCsvRow& a, const RegistryCsvRow& b) { return a.prefix == b.prefix; }),
        rows.end());

    std::vector<RegistryRow>& table = owned->rows[indexOf(kind)];
    table.reserve(rows.size());
    for (const RegistryCsvRow& row : rows) {
      const std::string_view name =
          cutAtCharacter(row.organisation, std::numeric_limits<std::uint16_t>::max());
      if (owned->chunkTexts.back().size() + name.size() > std::numeric_limits<std::uint32_t>::max()) {
        owned->chunkTexts.emplace_back();
      }
      std::string& chunk = owned->chunkTexts.back();
      table.push_back({row.prefix, static_cast<std::uint32_t>(chunk.size()),
                       static_cast<std::uint16_t>(owned->chunkTexts.size() - 1),
                       static_cast<std::uint16_t>(name.size())});
      chunk.append(name);
    }
  }
  for (const std::string& text : owned->chunkTexts) owned->chunks.emplace_back(text);
  for (const RegistryKind kind : allKinds) tables_.rows[indexOf(kind)] = owned->rows[indexOf(kind)];
  tables_.nameChunks = owned->chunks;
  owned_ = std::move(owned);
}

const Registry& Registry::builtIn() {
  static const Registry registry = [] {
    Registry compiledIn;
    compiledIn.tables_ = builtInRegistryTables();
    return compiledIn;
  }();
  return registry;
}

std::variant<Registry, RegistryError> Registry::fromDirectory(const std::filesystem::path& directory) {
  std::array<std::vector<RegistryCsvRow>, kindCount> rowsByKind;
  for (const RegistryKind kind : allKinds) {
    const std::filesystem::path path = directory / kindInfos[indexOf(kind)].fileName;
    const std::string name = pathText(path);
    const auto text = readWholeFile(path);
    if (const auto* reason = std::get_if<std::string_view>(&text))
      return RegistryError{name, 0, std::string(*reason)};
    auto rows = parseRegistryCsv(std::get<std::string>(text), kind, name);
    if (auto* error = std::get_if<RegistryError>(&rows)) return std::move(*error);
    rowsByKind[indexOf(kind)] = std::get<std::vector<RegistryCsvRow>>(std::move(rows));
  }
  return Registry(std::move(rowsByKind));
}

std::optional<Assignment> Registry::lookup(MacAddress address) const {
  address &= macAddressMask;
  for (const RegistryKind kind : longestFirst) {
    const std::uint8_t bits = kindInfos[indexOf(kind)].prefixBits;
    const std::span<const RegistryRow> rows = tables_.rows[indexOf(kind)];
    const std::uint64_t prefix = address >> (48 - bits);
    const auto found =
        std::lower_bound(rows.begin(), rows.end(), prefix,
                         [](const RegistryRow& row, std::uint64_t value) { return row.prefix < value; });
    if (found == rows.end() || found->prefix != prefix) continue;
    const std::string_view organisation =
        tables_.nameChunks[found->nameChunk].substr(found->nameOffset, found->nameLength);
    return Assignment{prefix << (48 - bits), bits, kind, organisation};
  }
  return std::nullopt;
}

std::vector<Assignment> Registry::maLMatching(std::string_view text) const {
  constexpr std::uint8_t bits = kindInfos[indexOf(RegistryKind::maL)].prefixBits;
  std::vector<Assignment> matches;
  for (const RegistryRow& row : tables_.rows[indexOf(RegistryKind::maL)]) {
    const std::string_view organisation =
        tables_.nameChunks[row.nameChunk].substr(row.nameOffset, row.nameLength);
    if (containsIgnoringAsciiCase(organisation, text)) {
      matches.push_back({row.prefix << (48 - bits), bits, RegistryKind::maL, organisation});
    }
  }
  return matches;
}

std::size_t Registry::size() const {
  std::size_t total = 0;
  for (const std::span<const RegistryRow> rows : tables_.rows) total += rows.size();
  return total;
}

std::size_t Registry::size(RegistryKind kind) const {
  return isKnown(kind) ? tables_.rows[indexOf(kind)].size() : 0;
}

}  // namespace macbatch
