// The registry files may come from a newer download: any bytes at all. The
// lookup takes any address.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/mac_address.h"
#include "core/registry.h"
#include "core/registry_data.h"

namespace {

using macbatch::Assignment;
using macbatch::MacAddress;
using macbatch::RegistryCsvRow;
using macbatch::RegistryKind;

constexpr RegistryKind allKinds[] = {RegistryKind::maL, RegistryKind::maM, RegistryKind::maS,
                                     RegistryKind::iab};

constexpr std::uint8_t prefixBits(RegistryKind kind) {
  return kind == RegistryKind::maL ? 24 : kind == RegistryKind::maM ? 28 : 36;
}

bool covers(std::uint64_t prefix, std::uint8_t bits, MacAddress address) {
  return address >> (48 - bits) == prefix;
}

// Each table in prefix order without repeats, so that a binary search finds
// every block there is. Checked once.
bool inStrictOrder(const macbatch::RegistryTables& tables) {
  for (const std::span<const macbatch::RegistryRow> rows : tables.rows) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
      if (rows[i - 1].prefix >= rows[i].prefix) return false;
    }
  }
  return true;
}

bool holds(std::span<const macbatch::RegistryRow> rows, std::uint64_t prefix) {
  return std::ranges::binary_search(rows, prefix, {}, &macbatch::RegistryRow::prefix);
}

// The result covers the address, and no block of a longer prefix does.
void checkLookup(const macbatch::Registry& registry, const macbatch::RegistryTables& tables,
                 MacAddress address) {
  const std::optional<Assignment> found = registry.lookup(address);
  std::uint8_t longest = 0;
  for (const RegistryKind kind : allKinds) {
    const std::uint8_t bits = prefixBits(kind);
    const bool held = holds(tables.rows[static_cast<std::size_t>(kind)], address >> (48 - bits));
    if (held && bits > longest) longest = bits;
  }
  if (!found) {
    if (longest != 0) __builtin_trap();
    return;
  }
  if (found->prefixBits != prefixBits(found->kind) || found->prefixBits != longest) __builtin_trap();
  if ((address & ~((MacAddress{1} << (48 - found->prefixBits)) - 1)) != found->base) __builtin_trap();
}

bool isTrimmedAndClean(std::string_view name) {
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return false;
  }
  return name.empty() || (name.front() != ' ' && name.back() != ' ');
}

// The rows as a registry file would hold them, every name quoted.
std::string writtenCsv(const std::vector<RegistryCsvRow>& rows, RegistryKind kind) {
  const std::size_t digits = prefixBits(kind) / 4;
  std::string csv = "Registry,Assignment,Organization Name,Organization Address\r\n";
  for (const RegistryCsvRow& row : rows) {
    csv.append(macbatch::registryName(kind)).append(",");
    for (std::size_t i = digits; i-- > 0;) csv += "0123456789ABCDEF"[(row.prefix >> (4 * i)) & 0xF];
    csv.append(",\"");
    for (const char c : row.organisation) csv.append(c == '"' ? "\"\"" : std::string(1, c));
    csv.append("\",\r\n");
  }
  return csv;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const RegistryKind kind = allKinds[input.ConsumeIntegralInRange<std::size_t>(0, 3)];
  const MacAddress address = input.ConsumeIntegral<std::uint64_t>() & macbatch::macAddressMask;
  const std::uint32_t rowChoice = input.ConsumeIntegral<std::uint32_t>();
  const std::string csv = input.ConsumeRemainingBytesAsString();

  // The built-in registry: at any address, and at one inside a block it holds.
  const macbatch::RegistryTables& builtIn = macbatch::builtInRegistryTables();
  static const bool ordered = inStrictOrder(builtIn);
  if (!ordered) __builtin_trap();
  checkLookup(macbatch::Registry::builtIn(), builtIn, address);
  const std::span<const macbatch::RegistryRow> rows = builtIn.rows[static_cast<std::size_t>(kind)];
  if (!rows.empty()) {
    const std::uint8_t bits = prefixBits(kind);
    const std::uint64_t prefix = rows[rowChoice % rows.size()].prefix;
    checkLookup(macbatch::Registry::builtIn(), builtIn, (prefix << (48 - bits)) | (address >> bits));
  }

  const auto parsed = macbatch::parseRegistryCsv(csv, kind, "fuzz.csv");
  if (const auto* error = std::get_if<macbatch::RegistryError>(&parsed)) {
    if (error->file != "fuzz.csv" || error->reason.empty()) __builtin_trap();
    return 0;
  }
  const std::vector<RegistryCsvRow>& read = std::get<std::vector<RegistryCsvRow>>(parsed);
  for (const RegistryCsvRow& row : read) {
    if (row.prefix >> prefixBits(kind) != 0 || !isTrimmedAndClean(row.organisation)) __builtin_trap();
  }

  // Written out again, the rows read back the same.
  const auto again = macbatch::parseRegistryCsv(writtenCsv(read, kind), kind, "again.csv");
  const auto* reread = std::get_if<std::vector<RegistryCsvRow>>(&again);
  if (reread == nullptr || reread->size() != read.size()) __builtin_trap();
  for (std::size_t i = 0; i < read.size(); ++i) {
    const RegistryCsvRow& row = (*reread)[i];
    if (row.prefix != read[i].prefix || row.organisation != read[i].organisation) __builtin_trap();
  }

  // A registry of these rows, each also cut down to a shorter block of every
  // registry with shorter prefixes, finds the first row of each block and
  // nothing beyond the blocks.
  const std::uint8_t bits = prefixBits(kind);
  std::array<std::vector<RegistryCsvRow>, 4> rowsByKind;
  rowsByKind[static_cast<std::size_t>(kind)] = read;
  for (const RegistryKind shorter : allKinds) {
    const std::uint8_t shorterBits = prefixBits(shorter);
    if (shorterBits >= bits) continue;
    for (const RegistryCsvRow& row : read) {
      rowsByKind[static_cast<std::size_t>(shorter)].push_back(
          {row.prefix >> (bits - shorterBits), "shorter"});
    }
  }
  const macbatch::Registry loaded(rowsByKind);
  for (const RegistryCsvRow& row : read) {
    const std::optional<Assignment> found = loaded.lookup((row.prefix << (48 - bits)) | (address >> bits));
    if (!found || found->base != row.prefix << (48 - bits) || found->kind != kind) __builtin_trap();
    const RegistryCsvRow* first = &row;
    for (const RegistryCsvRow& other : read) {
      if (other.prefix == row.prefix) {
        first = &other;
        break;
      }
    }
    // Names longer than an entry can hold are cut, at a character.
    const std::string_view expected = first->organisation;
    if (expected.size() <= 0xFFFF ? found->organisation != expected
                                  : expected.substr(0, found->organisation.size()) != found->organisation) {
      __builtin_trap();
    }
  }
  std::uint8_t longest = 0;
  for (const RegistryKind each : allKinds) {
    for (const RegistryCsvRow& row : rowsByKind[static_cast<std::size_t>(each)]) {
      if (covers(row.prefix, prefixBits(each), address)) longest = std::max(longest, prefixBits(each));
    }
  }
  const std::optional<Assignment> found = loaded.lookup(address);
  if (found ? found->prefixBits != longest || !covers(found->base >> (48 - longest), longest, address)
            : longest != 0) {
    __builtin_trap();
  }
  return 0;
}
