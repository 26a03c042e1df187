// The real program, started as a user would start it, offscreen. It runs
// without the right to set the clock (setpriv drops it) and with --dry-run.
#include <gtest/gtest.h>
#include <signal.h>

#include "tests/support/ChildProcess.h"
#include "tests/support/VeltraneProgram.h"
#include "tools/TimePage.h"
#include "tools/TimePageServer.h"

namespace veltrane {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;

using testing::Veltrane;
const std::vector<std::string>& kEnvironment = testing::kProgramEnvironment;

TEST(ProgramBinary, EndsWithZeroOnSigtermAndSigint) {
  for (int signal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal);
    ChildProcess veltrane(Veltrane({"--time-url", "http://127.0.0.1:9/stime.asp"}), kEnvironment);
    ASSERT_TRUE(veltrane.Started());
    EXPECT_FALSE(veltrane.Wait(1500ms)) << "the window program keeps running: " << veltrane.Errors();
    veltrane.Signal(signal);
    EXPECT_EQ(veltrane.Wait(5s), 0) << veltrane.Errors();
  }
}

TEST(ProgramBinary, AnswersHelpVersionAndUsageErrors) {
  ChildProcess help(Veltrane({"--help"}), kEnvironment);
  EXPECT_EQ(help.Wait(5s), 0);
  EXPECT_NE(help.Output().find("--time-url"), std::string::npos);
  ChildProcess version(Veltrane({"--version"}), kEnvironment);
  EXPECT_EQ(version.Wait(5s), 0);
  EXPECT_EQ(version.Output().rfind("veltrane ", 0), 0u);
  ChildProcess wrong(Veltrane({"--no-such-option"}), kEnvironment);
  EXPECT_EQ(wrong.Wait(5s), 2);
  EXPECT_NE(wrong.Errors().find("unknown option"), std::string::npos);
}

ServerBehaviour PageAt(int year, int month, int day, int hour, int minute, int second) {
  ServerBehaviour behaviour;
  behaviour.body = MakeTimePage(DateTimeFields{year, month, day, hour, minute, second, 0});
  return behaviour;
}

TEST(ProgramBinary, OnceCalibratesWithoutADisplayAndTellsWhatCameOfIt) {
  ServerBehaviour late = PageAt(2026, 12, 11, 8, 30, 5);
  late.delay_ms = 1200;
  ServerBehaviour late_at_new_year = PageAt(2026, 12, 31, 23, 59, 59);
  late_at_new_year.delay_ms = 1200;
  ServerBehaviour cut_off = PageAt(2026, 12, 11, 8, 30, 5);
  cut_off.break_after = 200;
  ServerBehaviour garbage;
  garbage.answer = ServerBehaviour::Answer::kRandomBytes;
  garbage.body_size = 4096;
  const struct {
    const char* name;
    std::optional<ServerBehaviour> behaviour;  // none: nothing listens
    int status;
    const char* out;
    const char* err;
  } cases[] = {
      {"a good page sets the clock", PageAt(2026, 12, 11, 8, 30, 5), 0,
       "2026年12月11日08时30分5秒\n2026-12-11 08:30:05\n", ""},
      {"a page that came late counts the whole seconds it took", late, 0,
       "2026年12月11日08时30分6秒\n2026-12-11 08:30:06\n", ""},
      {"a late page's last second of the year carries into the next", late_at_new_year, 0,
       "2027年1月1日0时0分0秒\n2027-01-01 00:00:00\n", ""},
      {"a page cut off before its time", cut_off, 1, "", "无法识别授时页面\n"},
      {"random bytes", garbage, 1, "", "无法识别授时页面\n"},
      {"a time before 1601", PageAt(1600, 6, 1, 12, 0, 0), 1, "1600年6月1日12时00分0秒\n",
       "授时页面给出的时间无效\n"},
      {"no server", std::nullopt, 1, "", "无法连接授时服务器\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TimePageServer server;
    ASSERT_TRUE(server.Start());
    std::string url = "http://127.0.0.1:9/stime.asp";
    if (c.behaviour) {
      server.SetBehaviour(*c.behaviour);
      url = server.Url();
    }
    ChildProcess veltrane(Veltrane({"--once", "--time-url", url}), {"DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent"});
    EXPECT_EQ(veltrane.Wait(30s), c.status);
    EXPECT_EQ(veltrane.Output(), c.out);
    EXPECT_EQ(veltrane.Errors(), c.err);
  }
}

TEST(ProgramBinary, UnusableTimeUrlsGiveNoPageAndNoCrash) {
  const std::string a300(300, 'a');
  const struct {
    const char* name;
    std::string url;
  } cases[] = {
      {"a host of 300 characters", "http://" + a300 + "/stime.asp"},
      {"a path of 3000 characters", "http://127.0.0.1:9/" + std::string(3000, 'p')},
      {"a user name of 300 characters", "http://" + a300 + ":pw@127.0.0.1:9/stime.asp"},
      {"a password of 300 characters", "http://user:" + a300 + "@127.0.0.1:9/stime.asp"},
      {"ftp", "ftp://127.0.0.1:9/stime.asp"},
      {"file", "file:///etc/passwd"},
      {"gopher", "gopher://127.0.0.1:9/"},
      {"a mail address", "mailto:someone@example.org"},
      {"data", "data:text/html,document.write('"},
      {"no scheme", "127.0.0.1:9/stime.asp"},
      {"an empty host", "http:///stime.asp"},
      {"a port beyond 65535", "http://127.0.0.1:99999/stime.asp"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ChildProcess veltrane(Veltrane({"--once", "--time-url", c.url}), kEnvironment);
    EXPECT_EQ(veltrane.Wait(30s), 1);
    EXPECT_EQ(veltrane.Output(), "");
    EXPECT_EQ(veltrane.Errors(), "无法连接授时服务器\n");
  }
}

TEST(ProgramBinary, OnceNeedsNoDisplay) {
  TimePageServer server;
  ASSERT_TRUE(server.Start());
  server.SetBehaviour(PageAt(2026, 12, 11, 8, 30, 5));
  // No QT_QPA_PLATFORM and no DISPLAY: a window program could not start here.
  ChildProcess veltrane({"/usr/bin/env", "-u", "QT_QPA_PLATFORM", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                         "/usr/bin/setpriv", "--inh-caps=-sys_time", "--bounding-set=-sys_time", VELTRANE_BINARY,
                         "--dry-run", "--once", "--time-url", server.Url()});
  EXPECT_EQ(veltrane.Wait(30s), 0) << veltrane.Errors();
}

TEST(ProgramBinary, KeepsTheClockLockedAndShowsEachTimeText) {
  TimePageServer server;
  ASSERT_TRUE(server.Start());
  server.SetBehaviour(PageAt(2026, 12, 11, 8, 30, 5));
  ChildProcess veltrane(Veltrane({"--locked", "--time-url", server.Url()}), kEnvironment);
  std::vector<std::string> lines;
  while (lines.size() < 4) {
    const auto line = veltrane.ReadLine(5s);
    ASSERT_TRUE(line) << veltrane.Errors();
    lines.push_back(*line);
  }
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    EXPECT_EQ(lines[i], "would set: 2026-12-11 08:30:06");
    EXPECT_EQ(lines[i + 1], "calibrated: 2026年12月11日08时30分6秒");
  }
  veltrane.Signal(SIGTERM);
  EXPECT_EQ(veltrane.Wait(5s), 0);
}

TEST(ProgramBinary, ClosingWithRunsInFlightEndsAtOnceWithZero) {
  TimePageServer server;
  ASSERT_TRUE(server.Start());
  ServerBehaviour never;
  never.answer = ServerBehaviour::Answer::kNeverAnswer;
  server.SetBehaviour(never);
  ChildProcess veltrane(Veltrane({"--locked", "--time-url", server.Url()}), kEnvironment);
  EXPECT_FALSE(veltrane.Wait(4s));
  EXPECT_GE(server.Connections(), 3u) << "runs are waiting for their pages";
  veltrane.Signal(SIGTERM);
  EXPECT_EQ(veltrane.Wait(1s), 0) << veltrane.Errors();
}

}  // namespace
}  // namespace veltrane
