#pragma once
// dropSeparatorBeforeSuffix (core/batch_scripts.h) applied to a stream: every
// "\",\"\")" becomes "\")", left to right, as if the whole text were at hand.
// It holds back the last four bytes of each write, which may begin a match
// that the next write completes.

#include <string>

#include "cli/output_writer.h"

namespace macbatch {

class SeparatorDropSink final : public ByteSink {
 public:
  explicit SeparatorDropSink(ByteSink& next) : next_(next) {}

  WriteStatus write(std::string_view bytes) override;
  std::string failure() const override { return next_.failure(); }
  // Hands on the bytes held back; call once, after the last write.
  WriteStatus finish();

 private:
  ByteSink& next_;
  std::string held_;
  std::string work_;
};

}  // namespace macbatch
