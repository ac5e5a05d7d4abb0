#pragma once
// The IEEE registries of MAC address blocks (MA-L, MA-M, MA-S, IAB) and who each block belongs to.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/mac_address.h"
#include "core/registry_data.h"

namespace macbatch {

enum class RegistryKind { maL, maM, maS, iab };

// "MA-L", "MA-M", "MA-S" or "IAB", as the registry files spell it.
std::string_view registryName(RegistryKind kind);

struct Assignment {
  MacAddress base;          // the prefix followed by zero bits
  std::uint8_t prefixBits;  // 24, 28 or 36
  RegistryKind kind;
  std::string_view organisation;  // UTF-8, trimmed; points into the registry's storage
};

// line 0: the file itself (missing, unreadable)
struct RegistryError {
  std::string file;
  std::size_t line;
  std::string reason;
};

// "FILE:LINE: reason", or "FILE: reason" for the file itself.
std::string describeRegistryError(const RegistryError& error);

// A data row of a registry file: the assignment as a number (6, 7 or 9 hex digits) and its
// organisation, whose control characters have become spaces and whose ends are trimmed.
struct RegistryCsvRow {
  std::uint64_t prefix;
  std::string organisation;
};

// Reads the text of one registry file of the given kind; `fileName` only names it in errors. The
// header line is skipped, blank lines are ignored, a UTF-8 byte order mark is allowed. Rows come
// back in file order, repeated assignments included.
std::variant<std::vector<RegistryCsvRow>, RegistryError> parseRegistryCsv(std::string_view csv,
                                                                          RegistryKind kind,
                                                                          std::string_view fileName);

class Registry {
 public:
  // Rows per registry, in the order of RegistryKind. Of rows with the same assignment the first is
  // kept; names longer than 65535 bytes are cut at a character boundary.
  explicit Registry(std::array<std::vector<RegistryCsvRow>, 4> rowsByKind);

  // The registries compiled into the program (see tools/make_registry.py).
  static const Registry& builtIn();

  // Reads oui.csv, mam.csv, oui36.csv and iab.csv from `directory` (a newer download). A file that is
  // missing or unreadable, or a row that is not a registry row, gives an error naming the file and the line.
  static std::variant<Registry, RegistryError> fromDirectory(const std::filesystem::path& directory);

  // The longest assignment that covers the address, across all four registries.
  std::optional<Assignment> lookup(MacAddress address) const;

  // The MA-L assignments whose organisation contains `text` (ASCII case-insensitive; empty matches all),
  // in prefix order.
  std::vector<Assignment> maLMatching(std::string_view text) const;

  std::size_t size() const;
  std::size_t size(RegistryKind kind) const;

 private:
  struct OwnedTables;

  Registry() = default;

  // Spans into the compiled-in data, or into *owned_ for a registry made at run time; the owned
  // tables never move, so a Registry can be moved and copied freely.
  RegistryTables tables_;
  std::shared_ptr<const OwnedTables> owned_;
};

}  // namespace macbatch
