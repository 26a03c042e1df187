// The real program, started as a user would start it, offscreen. It runs
// without the right to set the clock (setpriv drops it) and with --dry-run.
#include <gtest/gtest.h>
#include <signal.h>

#include "tests/support/ChildProcess.h"

namespace veltrane {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;

std::vector<std::string> Veltrane(std::vector<std::string> args) {
  std::vector<std::string> argv = {"/usr/bin/setpriv", "--inh-caps=-sys_time", "--bounding-set=-sys_time",
                                   VELTRANE_BINARY, "--dry-run"};
  argv.insert(argv.end(), args.begin(), args.end());
  return argv;
}

const std::vector<std::string> kEnvironment = {"QT_QPA_PLATFORM=offscreen",
                                               "DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent/veltrane-test-bus",
                                               "no_proxy=*"};

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

}  // namespace
}  // namespace veltrane
