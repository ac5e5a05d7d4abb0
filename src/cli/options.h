#pragma once
// The command line: its declaration (CLI11) and the plain options it gives.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/mac_address.h"

namespace macbatch {

enum class Command { generate, lookup, listVendors };

// A text given on the command line, or "@FILE" for a file's contents.
struct TextArgument {
  std::string value;  // the text itself, or the file's name when fromFile
  bool fromFile = false;
};

struct CliOptions {
  Command command = Command::generate;

  // What to make.
  std::uint64_t count = 20;
  std::optional<std::string> vendor;  // organisation names containing this text
  std::vector<std::uint32_t> ouis;    // in the order given, repeats included
  bool local = false;
  bool allowDuplicates = false;
  std::vector<std::string> excludeFiles;
  std::optional<std::uint64_t> seed;
  std::string vendorFilter;                  // --list-vendors; empty lists all
  std::vector<std::string> lookupAddresses;  // --lookup; empty reads standard input

  // How to print it.
  MacFormat format = MacFormat::colon;
  bool lowerCase = false;
  std::optional<std::string> separator;  // --joined; absent: one address a line
  bool wrap = false;                     // also set by --prefix and --suffix
  std::optional<TextArgument> prefix;    // absent: the window's prefix script
  std::optional<TextArgument> suffix;    // absent: the window's suffix script
  bool crlf = false;
  bool showVendor = false;
  bool json = false;

  // Where from and to.
  std::optional<std::string> registryDirectory;
  std::optional<std::string> outputFile;
};

inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1;  // a request that cannot be met
inline constexpr int exitUsage = 2;    // a command line that cannot be read

// --help, --version or a usage error: what to print, and the exit code.
struct EarlyExit {
  int exitCode = exitSuccess;
  std::string standardOutput;
  std::string standardError;
};

// `arguments` without the program's name, in UTF-8.
std::variant<CliOptions, EarlyExit> parseOptions(const std::vector<std::string>& arguments);

}  // namespace macbatch
