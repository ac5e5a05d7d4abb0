#include "cli/output_writer.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "cli/file_system.h"
#include "cli/system_random.h"

namespace macbatch {

WriteStatus StringSink::write(std::string_view bytes) {
  text_.append(bytes);
  return WriteStatus::ok;
}

BufferedWriter::BufferedWriter(ByteSink& sink) : sink_(sink) { buffer_.reserve(capacity + 4096); }

WriteStatus BufferedWriter::flush() {
  if (status_ == WriteStatus::ok && !buffer_.empty()) status_ = sink_.write(buffer_);
  buffer_.clear();
  return status_;
}

namespace {

// A name beside the target that no other run picks: a dot, the target's name and
// 64 random bits.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
  static constexpr char digits[] = "0123456789abcdef";
  std::uint64_t bits = randomWordForName();
  std::string tag;
  for (int i = 0; i < 16; ++i, bits >>= 4) tag += digits[bits & 0xF];
  std::filesystem::path name = target.filename();
  name += ".";
  name += tag;
  name += ".tmp";
  return target.parent_path() / (std::filesystem::path(".") += name);
}

}  // namespace

std::unique_ptr<AtomicFileSink> AtomicFileSink::create(const std::filesystem::path& target,
                                                       std::string& reason) {
  if (target.filename().empty()) {
    reason = "not a file name";
    return nullptr;
  }
  std::filesystem::path temporary = temporaryBeside(target);
  std::FILE* file = openFile(temporary, "wb");
  if (file == nullptr) {
    reason = std::strerror(errno);
    return nullptr;
  }
  return std::unique_ptr<AtomicFileSink>(new AtomicFileSink(target, std::move(temporary), file));
}

AtomicFileSink::AtomicFileSink(std::filesystem::path target, std::filesystem::path temporary, std::FILE* file)
    : target_(std::move(target)), temporary_(std::move(temporary)), file_(file) {}

AtomicFileSink::~AtomicFileSink() { discard(); }

void AtomicFileSink::discard() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temporary_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    temporary_.clear();
  }
}

WriteStatus AtomicFileSink::write(std::string_view bytes) {
  if (file_ == nullptr) return WriteStatus::failed;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    failure_ = std::strerror(errno);
    discard();
    return WriteStatus::failed;
  }
  return WriteStatus::ok;
}

bool AtomicFileSink::commit() {
  if (file_ == nullptr) {
    if (failure_.empty()) failure_ = "already closed";
    return false;
  }
  const bool written = std::fflush(file_) == 0 && syncFile(file_);
  if (!written) failure_ = std::strerror(errno);
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (written && !closed) failure_ = std::strerror(errno);
  if (!written || !closed) {
    discard();
    return false;
  }
  if (std::optional<std::string> reason = replaceFile(temporary_, target_)) {
    failure_ = *reason;
    discard();
    return false;
  }
  temporary_.clear();
  return true;
}

}  // namespace macbatch
