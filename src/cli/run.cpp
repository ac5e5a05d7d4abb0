#include "cli/run.h"

#include <algorithm>
#include <memory>
#include <new>
#include <optional>
#include <variant>

#include "cli/address_list.h"
#include "cli/address_source.h"
#include "cli/batch_layout.h"
#include "cli/file_system.h"
#include "cli/lookup_command.h"
#include "cli/seeded_random.h"
#include "cli/system_random.h"
#include "cli/unique_sampler.h"
#include "core/batch_scripts.h"
#include "core/registry.h"

namespace macbatch {
namespace {

std::string inQuotes(std::string_view text) {
  std::string quoted(1, '\'');
  quoted.append(text);
  quoted += '\'';
  return quoted;
}

// Raised for a request that cannot be met; run turns it into its message and exitFailure.
struct Unmet {
  std::string message;
};

std::string_view lineEndOf(const CliOptions& options) { return options.crlf ? "\r\n" : platformLineEnd(); }

// The registry --registry names, or the built-in one.
class RegistryChoice {
 public:
  explicit RegistryChoice(const CliOptions& options) {
    if (!options.registryDirectory) return;
    auto loaded = Registry::fromDirectory(pathFromUtf8(*options.registryDirectory));
    if (const RegistryError* error = std::get_if<RegistryError>(&loaded)) {
      throw Unmet{"--registry: " + describeRegistryError(*error)};
    }
    loaded_.emplace(std::move(std::get<Registry>(loaded)));
  }
  const Registry& get() const { return loaded_ ? *loaded_ : Registry::builtIn(); }

 private:
  std::optional<Registry> loaded_;
};

// Standard output, or the file of -o that appears only once it is complete.
class Destination {
 public:
  Destination(const CliOptions& options, ByteSink& standardOutput) : sink_(&standardOutput) {
    if (!options.outputFile) return;
    name_ = *options.outputFile;
    std::string reason;
    file_ = AtomicFileSink::create(pathFromUtf8(name_), reason);
    if (!file_) throw Unmet{"cannot write " + inQuotes(name_) + ": " + reason};
    sink_ = file_.get();
  }
  ByteSink& sink() { return *sink_; }

  // After the last write: the file renamed into place, or why the output is incomplete.
  void complete(WriteStatus status) {
    if (status == WriteStatus::closed) return;  // the reader has gone: nothing more to say
    if (status == WriteStatus::failed) throw Unmet{failureMessage(sink_->failure())};
    if (file_ && !file_->commit()) throw Unmet{failureMessage(file_->failure())};
  }

 private:
  std::string failureMessage(const std::string& reason) const {
    return file_ ? "cannot write " + inQuotes(name_) + ": " + reason : "write error: " + reason;
  }

  ByteSink* sink_;
  std::string name_;
  std::unique_ptr<AtomicFileSink> file_;
};

std::string readTextArgument(const std::optional<TextArgument>& given, std::string_view fallback,
                             std::string_view optionName, std::string_view lineEnd) {
  if (!given) return withLineEnds(fallback, lineEnd);
  if (!given->fromFile) return withLineEnds(given->value, lineEnd);
  auto read = readWholeFile(pathFromUtf8(given->value));
  if (const ReadFailure* failure = std::get_if<ReadFailure>(&read)) {
    throw Unmet{std::string(optionName) + ": cannot read " + inQuotes(given->value) + ": " + failure->reason};
  }
  std::string_view text = std::get<std::string>(read);
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (text.ends_with("\n")) text.remove_suffix(text.ends_with("\r\n") ? 2 : 1);
  return withLineEnds(text, lineEnd);
}

BatchLayout batchLayoutOf(const CliOptions& options) {
  const std::string_view lineEnd = lineEndOf(options);
  BatchLayout layout;
  layout.format = options.format;
  layout.lowerCase = options.lowerCase;
  layout.lineEnd = lineEnd;
  if (options.separator) layout.separator = withLineEnds(*options.separator, lineEnd);
  layout.wrap = options.wrap;
  if (options.wrap) {
    layout.prefix = readTextArgument(options.prefix, initialPrefixScript, "--prefix", lineEnd);
    layout.suffix = readTextArgument(options.suffix, initialSuffixScript, "--suffix", lineEnd);
  }
  layout.showVendor = options.showVendor;
  layout.json = options.json;
  return layout;
}

AddressSource addressSourceOf(const CliOptions& options, const RegistryChoice& registry) {
  if (options.local) return AddressSource::locallyAdministered();
  if (!options.vendor && options.ouis.empty()) return AddressSource::windowTable();
  std::vector<std::uint32_t> prefixes = options.ouis;
  if (options.vendor) {
    const std::vector<Assignment> matches = registry.get().maLMatching(*options.vendor);
    if (matches.empty()) {
      throw Unmet{"--vendor: no MA-L assignment's organisation contains " + inQuotes(*options.vendor)};
    }
    for (const Assignment& match : matches) prefixes.push_back(static_cast<std::uint32_t>(match.base >> 24));
  }
  return AddressSource::registryPrefixes(std::move(prefixes), registry.get());
}

// The pool indices of the listed addresses that lie in the pool: sorted, no repeats.
std::vector<std::uint64_t> excludedIndices(const CliOptions& options, const AddressPool& pool) {
  std::vector<std::uint64_t> indices;
  for (const std::string& name : options.excludeFiles) {
    auto read = readWholeFile(pathFromUtf8(name));
    if (const ReadFailure* failure = std::get_if<ReadFailure>(&read)) {
      throw Unmet{"--exclude: cannot read " + inQuotes(name) + ": " + failure->reason};
    }
    auto parsed = parseAddressList(std::get<std::string>(read));
    if (const AddressListError* error = std::get_if<AddressListError>(&parsed)) {
      throw Unmet{name + ":" + std::to_string(error->line) + ": " + error->message};
    }
    for (const MacAddress address : std::get<std::vector<MacAddress>>(parsed)) {
      if (const std::optional<std::uint64_t> index = pool.indexOf(address)) indices.push_back(*index);
    }
  }
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  return indices;
}

void checkCount(const CliOptions& options, std::uint64_t poolSize, std::uint64_t excluded) {
  const std::uint64_t available = poolSize - excluded;
  if (options.count == 0 || options.count <= available) {
    if (available > 0 || options.count == 0) return;
    throw Unmet{"every address of the pool is excluded"};
  }
  if (options.allowDuplicates) return;
  std::string holds = std::to_string(available) + " distinct addresses";
  if (excluded > 0)
    holds += " (" + std::to_string(poolSize) + " less " + std::to_string(excluded) + " excluded)";
  throw Unmet{"cannot make " + std::to_string(options.count) + " distinct addresses: the pool holds only " +
              holds};
}

std::unique_ptr<RandomSource> randomSourceOf(const CliOptions& options) {
  if (options.seed) return std::make_unique<SeededRandom>(*options.seed);
  return std::make_unique<SystemRandom>();
}

int generate(const CliOptions& options, RunStreams& streams) {
  const RegistryChoice registry(options);
  const AddressSource source = addressSourceOf(options, registry);
  const AddressPool& pool = source.pool();
  std::vector<std::uint64_t> excluded = excludedIndices(options, pool);
  checkCount(options, pool.size(), excluded.size());
  BatchLayout layout = batchLayoutOf(options);
  const std::unique_ptr<RandomSource> random = randomSourceOf(options);
  std::optional<UniqueSampler> sampler;
  try {
    sampler.emplace(pool.size(), std::move(excluded), options.count, !options.allowDuplicates, *random);
  } catch (const std::bad_alloc&) {
    throw Unmet{"not enough memory to keep " + std::to_string(options.count) + " addresses distinct"};
  }

  Destination destination(options, streams.output);
  BatchPrinter printer(std::move(layout), destination.sink());
  const bool named = options.showVendor || options.json;
  for (std::uint64_t made = 0; made < options.count && !printer.stopped(); ++made) {
    const MacAddress address = pool.addressAt(sampler->next());
    printer.add(address, named ? source.organisation(address) : std::nullopt);
  }
  destination.complete(printer.finish());
  return exitSuccess;
}

LookupLayout lookupLayoutOf(const CliOptions& options) {
  return LookupLayout{options.format, options.lowerCase, std::string(lineEndOf(options))};
}

int lookUp(const CliOptions& options, RunStreams& streams) {
  const RegistryChoice registry(options);
  Destination destination(options, streams.output);
  BufferedWriter out(destination.sink());
  const bool allRead =
      options.lookupAddresses.empty()
          ? lookUpLines(streams.input, registry.get(), lookupLayoutOf(options), out, streams.errors)
          : lookUpAddresses(options.lookupAddresses, registry.get(), lookupLayoutOf(options), out,
                            streams.errors);
  if (!allRead) {
    out.flush();  // standard output shows the others; a file is not written
    return exitFailure;
  }
  destination.complete(out.flush());
  return exitSuccess;
}

int listVendorPrefixes(const CliOptions& options, RunStreams& streams) {
  const RegistryChoice registry(options);
  Destination destination(options, streams.output);
  BufferedWriter out(destination.sink());
  if (listVendors(options.vendorFilter, registry.get(), lookupLayoutOf(options), out) == 0) {
    throw Unmet{"--list-vendors: no MA-L assignment's organisation contains " +
                inQuotes(options.vendorFilter)};
  }
  destination.complete(out.flush());
  return exitSuccess;
}

}  // namespace

int run(const CliOptions& options, RunStreams streams) {
  try {
    switch (options.command) {
      case Command::lookup:
        return lookUp(options, streams);
      case Command::listVendors:
        return listVendorPrefixes(options, streams);
      case Command::generate:
        break;
    }
    return generate(options, streams);
  } catch (const Unmet& unmet) {
    streams.errors.push_back(unmet.message);
  } catch (const SystemRandomFailure& failure) {
    streams.errors.push_back(failure.what());
  }
  return exitFailure;
}

}  // namespace macbatch
