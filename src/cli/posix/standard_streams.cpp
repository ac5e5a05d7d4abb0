#include "cli/standard_streams.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace macbatch {
namespace {

class DescriptorSink final : public ByteSink {
 public:
  explicit DescriptorSink(int descriptor) : descriptor_(descriptor) {}

  WriteStatus write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        if (errno == EPIPE) return WriteStatus::closed;
        failure_ = std::strerror(errno);
        return WriteStatus::failed;
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return WriteStatus::ok;
  }

  std::string failure() const override { return failure_; }

 private:
  int descriptor_;
  std::string failure_;
};

}  // namespace

void prepareStandardStreams() { std::signal(SIGPIPE, SIG_IGN); }

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

std::unique_ptr<ByteSink> standardOutputSink() { return std::make_unique<DescriptorSink>(STDOUT_FILENO); }
std::unique_ptr<ByteSink> standardErrorSink() { return std::make_unique<DescriptorSink>(STDERR_FILENO); }

}  // namespace macbatch
