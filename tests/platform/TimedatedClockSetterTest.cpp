// The D-Bus path of the clock, against a fake timedated on a private bus that
// this test starts: the real timedated is never asked.
#include "platform/TimedatedClockSetter.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/ChildProcess.h"
#include "tests/support/NoClockRight.h"
#include "tests/support/TestProcess.h"

namespace veltrane {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;

TEST(TimedatedClockSetter, AsksTimedatedOnTheBusToSetTheTime) {
  ASSERT_FALSE(testing::HasClockRight());
  const std::string folder = std::filesystem::temp_directory_path() / ("veltrane-bus-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  ChildProcess bus({"/usr/bin/dbus-daemon", "--session", "--nofork", "--print-address=1",
                    "--address=unix:path=" + folder + "/bus"});
  ASSERT_TRUE(bus.Started());
  const auto address = bus.ReadLine(10s);
  ASSERT_TRUE(address) << bus.Errors();

  ChildProcess timedated({FAKE_TIMEDATED}, {"DBUS_SYSTEM_BUS_ADDRESS=" + *address});
  ASSERT_EQ(timedated.ReadLine(10s), "ready") << timedated.Errors();

  setenv("DBUS_SYSTEM_BUS_ADDRESS", address->c_str(), 1);
  TimedatedClockSetter setter;
  EXPECT_TRUE(setter.SetRealtime(1371621907LL * 1000000));
  EXPECT_EQ(timedated.ReadLine(5s), "SetTime 1371621907000000 0 1") << "absolute, interactive";

  // The whole road from the clock: the kernel refuses this test, so the clock
  // asks timedated.
  SystemClock clock(&setter);
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_TRUE(clock.SetLocalClock(*FieldsToDateTime(2013, 6, 19, 6, 5, 8)));
  EXPECT_EQ(timedated.ReadLine(5s), "SetTime 1371621908000000 0 1");
  EXPECT_FALSE(clock.SetLocalClock(DateTimeMin));
  EXPECT_FALSE(timedated.ReadLine(300ms)) << "a date before 1601 is never asked for";

  timedated.Signal(SIGTERM);
  timedated.Wait(5s);
  ChildProcess refusing({FAKE_TIMEDATED}, {"DBUS_SYSTEM_BUS_ADDRESS=" + *address, "FAKE_TIMEDATED_REFUSE=1"});
  ASSERT_EQ(refusing.ReadLine(10s), "ready") << refusing.Errors();
  EXPECT_FALSE(setter.SetRealtime(1371621907LL * 1000000)) << "a refusal reads false";

  setenv("DBUS_SYSTEM_BUS_ADDRESS", testing::kNowhereBus, 1);
  bus.Signal(SIGTERM);
  bus.Wait(5s);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace veltrane
