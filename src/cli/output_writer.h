#pragma once
// Where output goes: byte sinks, the one large buffer in front of them, and
// the file that is written whole or not at all.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace macbatch {

enum class WriteStatus {
  ok,
  closed,  // the reader has gone (a closed pipe): a quiet end
  failed,
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Writes all of `bytes`, or says why not; the reason is in failure().
  virtual WriteStatus write(std::string_view bytes) = 0;
  virtual std::string failure() const { return {}; }
};

// Collects everything: for tests.
class StringSink final : public ByteSink {
 public:
  WriteStatus write(std::string_view bytes) override;
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// Gathers output in one buffer and hands it on when the buffer is full, so
// that a batch costs a write per 64 KB rather than one per line. After the
// sink has closed or failed, the writer drops what it is given.
class BufferedWriter {
 public:
  static constexpr std::size_t capacity = 64 * 1024;

  explicit BufferedWriter(ByteSink& sink);

  // Append directly, then call flushWhenFull().
  std::string& buffer() { return buffer_; }
  void flushWhenFull() {
    if (buffer_.size() >= capacity) flush();
  }
  void append(std::string_view text) {
    buffer_.append(text);
    flushWhenFull();
  }
  WriteStatus flush();
  WriteStatus status() const { return status_; }
  bool stopped() const { return status_ != WriteStatus::ok; }

 private:
  ByteSink& sink_;
  std::string buffer_;
  WriteStatus status_ = WriteStatus::ok;
};

// A file that appears under its name only once it is complete: the bytes go
// to a temporary file in the same folder, which commit() renames into place,
// replacing an older file. Destroyed without a commit, it removes the
// temporary file and leaves the target as it was.
class AtomicFileSink final : public ByteSink {
 public:
  // nullptr and a reason when the temporary file cannot be made.
  static std::unique_ptr<AtomicFileSink> create(const std::filesystem::path& target, std::string& reason);
  ~AtomicFileSink() override;
  AtomicFileSink(const AtomicFileSink&) = delete;
  AtomicFileSink& operator=(const AtomicFileSink&) = delete;

  WriteStatus write(std::string_view bytes) override;
  std::string failure() const override { return failure_; }
  // Flushes, closes and renames; false with failure() when any step fails.
  bool commit();

 private:
  AtomicFileSink(std::filesystem::path target, std::filesystem::path temporary, std::FILE* file);
  void discard();

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* file_;
  std::string failure_;
};

}  // namespace macbatch
