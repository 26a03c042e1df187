// The real clock, without ever setting it: the test program has given up the
// right to set the clock, so a setting reaches the kernel's refusal or the
// privileged setter, which here is a recording fake.
#include "platform/SystemClock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

#include "platform/DryRunClock.h"
#include "platform/FakeClock.h"
#include "tests/support/NoClockRight.h"

namespace veltrane {
namespace {

class RecordingSetter : public PrivilegedClockSetter {
 public:
  bool SetRealtime(std::int64_t usec_utc) override {
    calls.push_back(usec_utc);
    return answer;
  }
  std::vector<std::int64_t> calls;
  bool answer = true;
};

class SystemClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testing::HasClockRight()) << "tests must not be able to set the clock";
    const char* tz = std::getenv("TZ");
    saved_tz_ = tz ? tz : "";
    had_tz_ = tz != nullptr;
    setenv("TZ", "Asia/Shanghai", 1);
    tzset();
  }
  void TearDown() override {
    if (had_tz_) setenv("TZ", saved_tz_.c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }
  std::string saved_tz_;
  bool had_tz_ = false;
};

TEST_F(SystemClockTest, ConvertsLocalFieldsThroughTheTimeZoneRules) {
  // 14:05:07 in China Standard Time is 06:05:07 UTC.
  EXPECT_EQ(LocalToCalendarTime(*FieldsToDateTime(2013, 6, 19, 14, 5, 7)), 1371621907);
  EXPECT_EQ(LocalToCalendarTime(*FieldsToDateTime(2013, 6, 19, 14, 5, 7) + 0.6 / 86400), 1371621908)
      << "a time inside a second goes to the nearest second";
  EXPECT_EQ(LocalToCalendarTime(*FieldsToDateTime(2099, 1, 1, 8, 0, 0)), 4070908800) << "past 2038";
}

TEST_F(SystemClockTest, RefusesWhatTheClockMustNeverTake) {
  EXPECT_FALSE(LocalToCalendarTime(DateTimeMin)) << "0100-01-01, what an unreadable time text gives";
  EXPECT_FALSE(LocalToCalendarTime(*FieldsToDateTime(1600, 12, 31, 23, 59, 59)));
  EXPECT_FALSE(LocalToCalendarTime(std::nan("")));
  EXPECT_TRUE(LocalToCalendarTime(*FieldsToDateTime(1601, 1, 1, 0, 0, 0)));
}

TEST_F(SystemClockTest, AsksThePrivilegedSetterWhenTheKernelRefuses) {
  RecordingSetter setter;
  SystemClock clock(&setter);
  EXPECT_TRUE(clock.SetLocalClock(*FieldsToDateTime(2013, 6, 19, 14, 5, 7)));
  ASSERT_EQ(setter.calls.size(), 1u);
  EXPECT_EQ(setter.calls[0], 1371621907LL * 1000000);

  setter.answer = false;
  EXPECT_FALSE(clock.SetLocalClock(*FieldsToDateTime(2013, 6, 19, 14, 5, 7))) << "a refusal reads false";
}

TEST_F(SystemClockTest, NeverAsksForADateBefore1601) {
  RecordingSetter setter;
  SystemClock clock(&setter);
  EXPECT_FALSE(clock.SetLocalClock(DateTimeMin));
  EXPECT_FALSE(clock.SetLocalClock(-200000.0));
  EXPECT_TRUE(setter.calls.empty());
}

TEST_F(SystemClockTest, WithoutASetterAKernelRefusalIsFinal) {
  SystemClock clock;
  EXPECT_FALSE(clock.SetLocalClock(*FieldsToDateTime(2013, 6, 19, 14, 5, 7)));
}

TEST_F(SystemClockTest, ReadsTheLocalTimeInWholeSeconds) {
  SystemClock clock;
  const std::time_t before = std::time(nullptr);
  const DateTime now = clock.CurrentLocalTime();
  const std::time_t after = std::time(nullptr);
  std::tm local{};
  localtime_r(&before, &local);
  const DateTime expected_before = *FieldsToDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                                     local.tm_hour, local.tm_min, local.tm_sec);
  EXPECT_GE(now, expected_before - 1e-9);
  EXPECT_LE(now, expected_before + static_cast<double>(after - before) / 86400 + 1e-9);
  const double seconds = (now - std::trunc(now)) * 86400;
  EXPECT_NEAR(seconds, std::round(seconds), 1e-3) << "no fraction of a second";
}

TEST_F(SystemClockTest, ReadsUptimeFromTheBootClock) {
  SystemClock clock;
  timespec boot{};
  clock_gettime(CLOCK_BOOTTIME, &boot);
  const auto expected = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(static_cast<std::uint64_t>(boot.tv_sec) * 1000 + boot.tv_nsec / 1000000));
  const std::int32_t reading = clock.UptimeMs();
  EXPECT_LT(static_cast<std::uint32_t>(reading) - static_cast<std::uint32_t>(expected), 1000u)
      << "read a moment after the boot clock, modulo 2^32";
}

TEST(DryRunClock, RecordsWhatWouldBeSetAndRefusesWhatWouldBeRefused) {
  FakeClock inner;
  std::vector<DateTime> settings;
  DryRunClock clock(inner, [&](DateTime value) { settings.push_back(value); });
  EXPECT_TRUE(clock.SetLocalClock(41444.5));
  EXPECT_FALSE(clock.SetLocalClock(DateTimeMin));
  EXPECT_EQ(settings, std::vector<DateTime>{41444.5});
  EXPECT_TRUE(inner.Settings().empty()) << "the clock beneath is never set";
}

TEST(FakeClock, ReadsUptimeAsSignedThirtyTwoBits) {
  FakeClock clock;
  clock.SetUptime(25u * 24 * 3600 * 1000);  // 25 days
  EXPECT_LT(clock.UptimeMs(), 0);
  clock.SetUptime(0xFFFFFFFFu);
  clock.Advance(1001);
  EXPECT_EQ(clock.UptimeMs(), 1000) << "the counter wraps at 2^32";
}

}  // namespace
}  // namespace veltrane
