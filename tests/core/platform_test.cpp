#include "core/platform.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fatal_capture.h"

#if defined(__SANITIZE_ADDRESS__)
// Let a request the allocator cannot meet fail as it does without the
// sanitizer, instead of aborting the test program.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
#endif

namespace macbatch {
namespace {

struct ReportCase {
  std::optional<std::int32_t> number;
  const char* message;
  const char* text;
};

TEST(FatalReportTest, TextAddsTheNumberAndTheMessageWhereThereAreSome) {
  const ReportCase cases[] = {
      {std::nullopt, "载入启动窗口失败", "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {4, "数组成员引用下标必须大于等于1",
       "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n"},
      {1, "", "运行时出错!\r\n\r\n错误代码：1\r\n\r\n"},
      {std::nullopt, "", "运行时出错!\r\n\r\n"},
  };
  for (const ReportCase& c : cases) EXPECT_EQ(fatalReportText(FatalReport{c.number, c.message}), c.text);
}

TEST(FatalReportTest, ReportReachesThePlatformWithItsNumber) {
  testing::FatalCapture capture;
  try {
    reportFatalError("载入启动窗口失败");
  } catch (const testing::FatalReportRaised& raised) {
    EXPECT_EQ(raised.report.message, "载入启动窗口失败");
    EXPECT_FALSE(raised.report.number.has_value());
  }
}

TEST(FatalReportTest, MemoryThatCannotBeObtainedEndsThroughTheReport) {
  testing::FatalCapture capture;
  constexpr std::size_t impossible = std::size_t{1} << 60;
  std::vector<char> block;
  try {
    block.reserve(impossible);
    FAIL() << "the allocation was expected to fail";
  } catch (const testing::FatalReportRaised& raised) {
    EXPECT_EQ(raised.report.message, "分配 1152921504606846976 字节内存失败!");
    EXPECT_FALSE(raised.report.number.has_value());
  }
}

TEST(ScopedPlatformTest, RestoresWhatItReplacedAndKeepsWhatItLeftEmpty) {
  ScopedPlatform outer(Platform{.tickCount = [] { return 7u; }});
  {
    ScopedPlatform inner(Platform{.tickCount = [] { return 42u; }});
    EXPECT_EQ(platform().tickCount(), 42u);
  }
  EXPECT_EQ(platform().tickCount(), 7u);
  {
    ScopedPlatform reportOnly(Platform{.showFatalReport = [](const FatalReport&) {}});
    EXPECT_EQ(platform().tickCount(), 7u);
  }
}

}  // namespace
}  // namespace macbatch
