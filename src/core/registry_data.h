#pragma once
// The registry tables in the shape the generated data and a loaded registry share.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace macbatch {

// One assignment: its prefix value (6, 7 or 9 hex digits read as a number) and where its
// organisation's name lies among the name chunks.
struct RegistryRow {
  std::uint64_t prefix;
  std::uint32_t nameOffset;
  std::uint16_t nameChunk;
  std::uint16_t nameLength;
};

// Rows sorted by prefix, without duplicates, one table per registry in the order of RegistryKind
// (MA-L, MA-M, MA-S, IAB). The names come in several chunks because MSVC cannot compile a string
// literal longer than 64 KB.
struct RegistryTables {
  std::array<std::span<const RegistryRow>, 4> rows;
  std::span<const std::string_view> nameChunks;
};

// The tables compiled into the program (src/core/registry_data.cpp, made by tools/make_registry.py).
const RegistryTables& builtInRegistryTables();

}  // namespace macbatch
