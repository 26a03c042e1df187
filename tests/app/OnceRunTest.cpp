// What --once writes, and the console window it runs with.
#include "app/OnceRun.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "convert/GbkTexts.h"
#include "platform/ConsoleWindowSystem.h"
#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

using testing::Gbk;

// A temporary file standing in for standard output or error.
class Capture {
 public:
  Capture() : file_(std::tmpfile()) {}
  ~Capture() { std::fclose(file_); }
  std::FILE* file() { return file_; }
  std::string Text() {
    std::fflush(file_);
    std::rewind(file_);
    std::string text;
    char buffer[256];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, file_)) text.append(buffer, n);
    return text;
  }

 private:
  std::FILE* file_;
};

TEST(ReportOnceRun, WritesTheTimeTextTheSettingOrTheReason) {
  const struct {
    const char* name;
    RunResult result;
    int status;
    const char* out;
    const char* err;
  } cases[] = {
      {"a run that set the clock", {RunOutcome::kClockSet, Gbk("2026年12月11日8时30分5秒"), 46367.35422453704}, 0,
       "2026年12月11日8时30分5秒\n2026-12-11 08:30:05\n", ""},
      {"a run whose time the clock refused", {RunOutcome::kClockRefused, Gbk("2026年12月11日8时30分5秒"), {}}, 1,
       "2026年12月11日8时30分5秒\n", "系统拒绝修改时间\n"},
      {"a run whose time is invalid", {RunOutcome::kInvalidTime, Gbk("2026年13月1日8时30分5秒"), {}}, 1,
       "2026年13月1日8时30分5秒\n", "授时页面给出的时间无效\n"},
      {"a run without a page", {RunOutcome::kNoPage, "", {}}, 1, "", "无法连接授时服务器\n"},
      {"a run with a page that is not a time page", {RunOutcome::kUnreadablePage, "", {}}, 1, "",
       "无法识别授时页面\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Capture out, err;
    EXPECT_EQ(ReportOnceRun(c.result, out.file(), err.file()), c.status);
    EXPECT_EQ(out.Text(), c.out);
    EXPECT_EQ(err.Text(), c.err);
  }
}

TEST(ConsoleWindowSystem, ShowsMessagesAsUtf8LinesAndReadsTheBoxUnchecked) {
  Capture err;
  ConsoleWindowSystem ui(err.file());
  EXPECT_EQ(ui.ShowMessage(Text(gbk::kCalibrationFailed) + "\n" + Text(gbk::kCannotReadPage), kMessageOk,
                           gbk::kMessageTitle),
            kOk);
  EXPECT_EQ(err.Text(), "校对失败！\n无法识别授时页面\n");
  EXPECT_FALSE(ui.IsChecked(Control::选择框1));
  ui.SetLabelText(Control::校准时间标签, Gbk("8时"));
  EXPECT_EQ(ui.LabelText(Control::校准时间标签), Gbk("8时"));
}

}  // namespace
}  // namespace veltrane
