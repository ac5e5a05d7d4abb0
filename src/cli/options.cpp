#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <map>
#include <string_view>
#include <system_error>

#ifndef MACBATCH_VERSION
#define MACBATCH_VERSION "0.0.0"
#endif

namespace macbatch {
namespace {

constexpr std::string_view programName = "macbatch-cli";
constexpr const char* makeGroup = "What to make";
constexpr const char* printGroup = "How to print it";
constexpr const char* sourceGroup = "Where from and to";

// Decimal digits only: no sign, no spaces, no base prefix.
std::optional<std::uint64_t> parseWholeNumber(std::string_view text) {
  std::uint64_t value = 0;
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string inQuotes(std::string_view text) {
  std::string quoted(1, '\'');
  quoted.append(text);
  quoted += '\'';
  return quoted;
}

CLI::Validator wholeNumber(std::string what) {
  return CLI::Validator(
      [what](std::string& text) {
        return parseWholeNumber(text) ? std::string() : inQuotes(text) + " is not " + what;
      },
      "", "");
}

const CLI::Validator prefixCheck(
    [](std::string& text) { return parseOui(text) ? std::string() : inQuotes(text) + " is not a prefix"; },
    "", "");

const std::map<std::string, MacFormat> formatNames{{"colon", MacFormat::colon},
                                                   {"hyphen", MacFormat::hyphen},
                                                   {"dot", MacFormat::dot},
                                                   {"bare", MacFormat::bare}};

const CLI::Validator formatCheck(
    [](std::string& text) {
      return formatNames.contains(text) ? std::string()
                                        : inQuotes(text) + " is not a format (colon, hyphen, dot or bare)";
    },
    "", "");

TextArgument textArgument(const std::string& given) {
  if (given.starts_with("@@")) return {given.substr(1), false};
  if (given.starts_with("@")) return {given.substr(1), true};
  return {given, false};
}

constexpr const char* description =
    "Makes random, distinct MAC addresses the way the macbatch window does, and looks\n"
    "addresses up in the IEEE registries compiled into the program.\n";

constexpr const char* footer =
    R"(Random numbers come from the operating system's generator. With --seed N they come
from xoshiro256** seeded through SplitMix64 instead, so that the same N and options
give the same addresses on every platform.

Line ends are the platform's (LF, or CR LF on Windows) unless --crlf is given, and
line ends inside the separator, prefix and suffix become the output's. A TEXT of
@FILE is read from FILE without its final line end; @@ starts a text with a plain @.
--prefix and --suffix imply --wrap; the one not given keeps the window's text.

--lookup prints ADDRESS<TAB>ORGANISATION per address: "broadcast", "multicast" or
"locally administered" for such an address, else the longest match among the MA-L,
MA-M, MA-S and IAB assignments, else "unknown". An input that is not an address is
named on standard error and the exit status is 1; the others are still printed, but
not into a file of -o, which is left as it was.

Exit status: 0 on success, 1 when a request cannot be met, 2 for a bad command line.

Examples:
  macbatch-cli                               20 addresses from the window's vendor table
  macbatch-cli -n 5 --vendor cisco           from every MA-L block of a Cisco organisation
  macbatch-cli -n 3 --oui 00:11:22 --format hyphen --lower
  macbatch-cli -n 10 --local --json
  macbatch-cli -n 50 --joined --wrap --crlf -o batch.txt    the window's copy text
  macbatch-cli -n 1000 --exclude used.txt --seed 42 --show-vendor
  macbatch-cli --list-vendors intel
  macbatch-cli --lookup 00:1B:21:3A:4F:10 02:00:00:00:00:01
  ip -br link | awk '{print $3}' | macbatch-cli --lookup
)";

// The help shows each option's value name only; what excludes what is the parser's to say.
class HelpFormatter : public CLI::Formatter {
 public:
  HelpFormatter() { column_width(28); }
  std::string make_option_opts(const CLI::Option* option) const override {
    const std::string name = option->get_type_name();
    return name.empty() ? std::string() : " " + name;
  }
};

// Every option once: name, help, check and group side by side, read into plain strings
// that parseOptions turns into CliOptions after CLI11 has accepted them.
struct Declared {
  std::string count, seed, joined, prefix, suffix, format = "colon", registry, output, listFilter, vendor;
  std::vector<std::string> ouis, excludes, addresses;
  bool local = false, allowDuplicates = false, wrap = false, lower = false, crlf = false, showVendor = false,
       json = false, lookup = false;
};

struct Parser {
  CLI::App app{description, std::string(programName)};
  Declared d;
  CLI::Option* count;
  CLI::Option* vendor;
  CLI::Option* oui;
  CLI::Option* seed;
  CLI::Option* joined;
  CLI::Option* prefix;
  CLI::Option* suffix;
  CLI::Option* registry;
  CLI::Option* output;
  CLI::Option* listVendors;

  Parser() {
    app.allow_windows_style_options(false);  // "/path" is a value on every platform
    app.footer(footer);
    app.formatter(std::make_shared<HelpFormatter>());

    count = app.add_option("-n,--count", d.count, "How many addresses to make (default 20)")
                ->type_name("N")
                ->check(wholeNumber("a count"))
                ->group(makeGroup);
    vendor = app.add_option("--vendor", d.vendor,
                            "Draw from every MA-L block whose organisation contains TEXT (any case)")
                 ->type_name("TEXT")
                 ->group(makeGroup);
    oui = app.add_option("--oui", d.ouis, "Draw from this prefix; repeat for more (with --vendor: both)")
              ->type_name("XX:XX:XX")
              ->allow_extra_args(false)
              ->check(prefixCheck)
              ->group(makeGroup);
    CLI::Option* local = app.add_flag("--local", d.local, "Make locally administered unicast addresses")
                             ->excludes(vendor)
                             ->excludes(oui)
                             ->group(makeGroup);
    CLI::Option* duplicates =
        app.add_flag("--allow-duplicates", d.allowDuplicates, "Let an address appear more than once")
            ->group(makeGroup);
    CLI::Option* exclude = app.add_option("--exclude", d.excludes,
                                          "Never print an address listed in FILE (one a line); repeatable")
                               ->type_name("FILE")
                               ->allow_extra_args(false)
                               ->group(makeGroup);
    seed = app.add_option("--seed", d.seed, "Make the same batch for the same N and options")
               ->type_name("N")
               ->check(wholeNumber("a seed (a whole number below 2^64)"))
               ->group(makeGroup);
    listVendors = app.add_option("--list-vendors", d.listFilter,
                                 "Print the MA-L prefixes whose organisation contains TEXT, and exit")
                      ->type_name("[TEXT]")
                      ->expected(0, 1)
                      ->group(makeGroup);
    CLI::Option* lookup = app.add_flag("--lookup", d.lookup,
                                       "Print the organisation of each ADDRESS (or of each line of input)")
                              ->group(makeGroup);
    app.add_option("ADDRESS", d.addresses, "An address for --lookup")->type_name("...")->needs(lookup);

    CLI::Option* format =
        app.add_option("--format", d.format, "colon (default), hyphen, dot (xxxx.xxxx.xxxx) or bare")
            ->type_name("NAME")
            ->check(formatCheck)
            ->group(printGroup);
    app.add_flag("--lower", d.lower, "Lower-case hex digits")->group(printGroup);
    CLI::Option* showVendor =
        app.add_flag("--show-vendor", d.showVendor, "Print each address's organisation after a tab")
            ->group(printGroup);
    joined = app.add_option("--joined", d.joined,
                            "Put SEP after every address instead of a line end (default \",\")")
                 ->type_name("[SEP]")
                 ->expected(0, 1)
                 ->default_str("\",\"")
                 ->group(printGroup);
    CLI::Option* wrap = app.add_flag("--wrap", d.wrap, "Put the window's prefix and suffix around the batch")
                            ->group(printGroup);
    prefix = app.add_option("--prefix", d.prefix, "Wrap with TEXT (or @FILE) before the batch")
                 ->type_name("TEXT")
                 ->group(printGroup);
    suffix = app.add_option("--suffix", d.suffix, "Wrap with TEXT (or @FILE) after the batch")
                 ->type_name("TEXT")
                 ->group(printGroup);
    app.add_flag("--crlf", d.crlf, "End lines with CR LF on every platform")->group(printGroup);
    CLI::Option* json =
        app.add_flag("--json", d.json, "Print a JSON array of {\"address\", \"vendor\"} objects")
            ->excludes(joined)
            ->excludes(wrap)
            ->excludes(prefix)
            ->excludes(suffix)
            ->group(printGroup);

    registry = app.add_option("--registry", d.registry,
                              "Read oui.csv, mam.csv, oui36.csv and iab.csv from DIR, not the built-in copy")
                   ->type_name("DIR")
                   ->group(sourceGroup);
    output = app.add_option("-o,--output", d.output,
                            "Write to FILE, whole or not at all, instead of standard output")
                 ->type_name("FILE")
                 ->group(sourceGroup);

    for (CLI::Option* generationOnly : {count, vendor, oui, local, duplicates, exclude, seed, joined, wrap,
                                        prefix, suffix, showVendor, json}) {
      lookup->excludes(generationOnly);
      listVendors->excludes(generationOnly);
    }
    lookup->excludes(listVendors);
    listVendors->excludes(format);

    // Declared last, so that their group comes last in the help.
    app.set_help_flag("-h,--help", "Print this help and exit")->group("Other");
    app.set_version_flag("--version", std::string(programName) + " " + MACBATCH_VERSION,
                         "Print the version and exit")
        ->group("Other");
  }

  CliOptions result() const {
    CliOptions o;
    if (d.lookup) o.command = Command::lookup;
    if (listVendors->count() > 0) o.command = Command::listVendors;
    if (count->count() > 0) o.count = *parseWholeNumber(d.count);
    if (vendor->count() > 0) o.vendor = d.vendor;
    for (const std::string& text : d.ouis) o.ouis.push_back(*parseOui(text));
    o.local = d.local;
    o.allowDuplicates = d.allowDuplicates;
    o.excludeFiles = d.excludes;
    if (seed->count() > 0) o.seed = *parseWholeNumber(d.seed);
    o.vendorFilter = d.listFilter;
    o.lookupAddresses = d.addresses;

    o.format = formatNames.at(d.format);
    o.lowerCase = d.lower;
    if (joined->count() > 0) o.separator = d.joined;
    if (prefix->count() > 0) o.prefix = textArgument(d.prefix);
    if (suffix->count() > 0) o.suffix = textArgument(d.suffix);
    o.wrap = d.wrap || o.prefix || o.suffix;
    o.crlf = d.crlf;
    o.showVendor = d.showVendor;
    o.json = d.json;

    if (registry->count() > 0) o.registryDirectory = d.registry;
    if (output->count() > 0) o.outputFile = d.output;
    return o;
  }
};

}  // namespace

std::variant<CliOptions, EarlyExit> parseOptions(const std::vector<std::string>& arguments) {
  Parser parser;
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());  // as CLI11 takes them
  try {
    parser.app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    return EarlyExit{exitSuccess, parser.app.help(), {}};
  } catch (const CLI::CallForVersion& version) {
    return EarlyExit{exitSuccess, std::string(version.what()) + "\n", {}};
  } catch (const CLI::ParseError& error) {
    return EarlyExit{exitUsage,
                     {},
                     std::string(programName) + ": error: " + error.what() + "\nTry '" +
                         std::string(programName) + " --help' for more information.\n"};
  }
  return parser.result();
}

}  // namespace macbatch
