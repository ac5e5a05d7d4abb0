#include "cli/output_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cli/file_system.h"
#include "support/temp_folder.h"

namespace macbatch {
namespace {

using testing::TempFolder;

// Records each write; closes after a given number of them.
class CountingSink final : public ByteSink {
 public:
  explicit CountingSink(std::size_t writesBeforeClosing = SIZE_MAX) : open_(writesBeforeClosing) {}
  WriteStatus write(std::string_view bytes) override {
    if (writes.size() == open_) return WriteStatus::closed;
    writes.emplace_back(bytes);
    return WriteStatus::ok;
  }
  std::vector<std::string> writes;

 private:
  std::size_t open_;
};

TEST(BufferedWriter, WritesInBlocksOfItsCapacity) {
  CountingSink sink;
  BufferedWriter writer(sink);
  const std::string line(18, 'x');
  std::size_t total = 0;
  while (total < 5 * BufferedWriter::capacity / 2) {
    writer.append(line);
    total += line.size();
  }
  EXPECT_EQ(sink.writes.size(), 2u);  // the rest waits for a flush
  EXPECT_EQ(writer.flush(), WriteStatus::ok);
  ASSERT_EQ(sink.writes.size(), 3u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_GE(sink.writes[i].size(), BufferedWriter::capacity);
    EXPECT_LT(sink.writes[i].size(), BufferedWriter::capacity + line.size());
  }
  EXPECT_EQ(sink.writes[0].size() + sink.writes[1].size() + sink.writes[2].size(), total);
}

TEST(BufferedWriter, StopsQuietlyOnceTheReaderHasGone) {
  CountingSink sink(1);
  BufferedWriter writer(sink);
  writer.append(std::string(BufferedWriter::capacity, 'a'));
  EXPECT_FALSE(writer.stopped());
  writer.append(std::string(BufferedWriter::capacity, 'b'));
  EXPECT_TRUE(writer.stopped());
  EXPECT_EQ(writer.status(), WriteStatus::closed);
  writer.append("more");
  EXPECT_EQ(writer.flush(), WriteStatus::closed);
  EXPECT_TRUE(writer.buffer().empty());
  EXPECT_EQ(sink.writes.size(), 1u);
}

TEST(AtomicFileSink, CommitReplacesTheTargetAndLeavesNothingElse) {
  TempFolder folder;
  const auto target = folder.write("list.txt", "old contents");
  std::string reason;
  auto file = AtomicFileSink::create(target, reason);
  ASSERT_NE(file, nullptr) << reason;
  EXPECT_EQ(file->write("new "), WriteStatus::ok);
  EXPECT_EQ(file->write("list"), WriteStatus::ok);
  EXPECT_EQ(TempFolder::read(target), "old contents");  // nothing shows before the commit
  EXPECT_TRUE(file->commit()) << file->failure();
  EXPECT_EQ(TempFolder::read(target), "new list");
  EXPECT_EQ(folder.names(), std::vector<std::string>{"list.txt"});
}

TEST(AtomicFileSink, WithoutCommitTheTargetStaysAsItWas) {
  TempFolder folder;
  const auto kept = folder.write("kept.txt", "old contents");
  {
    std::string reason;
    auto file = AtomicFileSink::create(kept, reason);
    ASSERT_NE(file, nullptr) << reason;
    file->write("half a list");
    auto fresh = AtomicFileSink::create(folder.path() / "fresh.txt", reason);
    ASSERT_NE(fresh, nullptr) << reason;
    fresh->write("half a list");
  }
  EXPECT_EQ(TempFolder::read(kept), "old contents");
  EXPECT_EQ(folder.names(), std::vector<std::string>{"kept.txt"});
}

TEST(AtomicFileSink, AFolderThatCannotBeWrittenIsAReasonNotAFile) {
  TempFolder folder;
  folder.write("plain-file", "x");
  const std::filesystem::path targets[] = {
      folder.path() / "missing-folder" / "list.txt",
      folder.path() / "plain-file" / "list.txt",  // the "folder" is a file
  };
  for (const auto& target : targets) {
    std::string reason;
    EXPECT_EQ(AtomicFileSink::create(target, reason), nullptr) << target;
    EXPECT_FALSE(reason.empty()) << target;
  }
  EXPECT_EQ(folder.names(), std::vector<std::string>{"plain-file"});
}

TEST(ReadWholeFile, GivesTheBytesOrTheReason) {
  TempFolder folder;
  const std::string bytes("a\r\nb\0c", 6);
  EXPECT_EQ(std::get<std::string>(readWholeFile(folder.write("f", bytes))), bytes);
  EXPECT_TRUE(std::holds_alternative<ReadFailure>(readWholeFile(folder.path() / "missing")));
}

}  // namespace
}  // namespace macbatch
