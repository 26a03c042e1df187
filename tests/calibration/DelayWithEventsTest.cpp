// The background run's wait: its timing rule on a fake counter, and that it
// sleeps rather than spins on the real one.
#include "calibration/DelayWithEvents.h"

#include <gtest/gtest.h>
#include <time.h>

#include <chrono>

#include "platform/FakeClock.h"
#include "platform/FakeWindowSystem.h"
#include "platform/SystemClock.h"

namespace veltrane {
namespace {

TEST(DelayWithEvents, ReturnsAtOnceForNoTimeAtAll) {
  for (std::int32_t ms : {0, -5}) {
    FakeClock clock;
    FakeWindowSystem ui;
    int waits = 0;
    ui.SetOnWait([&](std::int32_t) { ++waits; });
    DelayWithEvents(ms, clock, ui);
    EXPECT_EQ(ui.ProcessEventsCalls(), 0) << ms;
    EXPECT_EQ(waits, 0) << ms;
  }
}

TEST(DelayWithEvents, EndsAtTheFirstCheckPastTheDeadline) {
  FakeClock clock;
  FakeWindowSystem ui;
  clock.SetUptime(7000);
  std::vector<std::int32_t> waits;
  ui.SetOnWait([&](std::int32_t ms) {
    waits.push_back(ms);
    clock.Advance(static_cast<std::uint32_t>(ms));
  });
  DelayWithEvents(1000, clock, ui);
  EXPECT_EQ(static_cast<std::uint32_t>(clock.UptimeMs()), 8001u) << "more than 1000 ms past the first reading";
  EXPECT_EQ(waits, std::vector<std::int32_t>{1001}) << "one wait, to just past the deadline";
  EXPECT_GE(ui.ProcessEventsCalls(), 4);
}

TEST(DelayWithEvents, HandlesEventsTwiceBeforeAndTwiceAfterEachCheck) {
  FakeClock clock;
  FakeWindowSystem ui;
  int checks = 0;
  ui.SetOnWait([&](std::int32_t) {
    ++checks;
    clock.Advance(400);  // a wait that ends early, as one woken by an event does
  });
  DelayWithEvents(1000, clock, ui);
  // Counter 0: checks at 0, 400, 800, 1200 (the last one returns).
  EXPECT_EQ(checks, 3);
  EXPECT_EQ(ui.ProcessEventsCalls(), 3 * 4 + 2);
}

TEST(DelayWithEvents, ADeadlinePastTwoToTheThirtySecondWrapsAndEndsAtTheFirstCheck) {
  FakeClock clock;
  FakeWindowSystem ui;
  clock.SetUptime(0xFFFFFFFFu - 499);  // 500 ms below 2^32
  int waits = 0;
  ui.SetOnWait([&](std::int32_t) { ++waits; });
  DelayWithEvents(1000, clock, ui);
  EXPECT_EQ(waits, 0);
  EXPECT_EQ(ui.ProcessEventsCalls(), 2);
}

double ThreadCpuMs() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

TEST(DelayWithEvents, SleepsOnAWorkerInsteadOfSpinning) {
  SystemClock clock;
  FakeWindowSystem ui;  // sleeps for real, as a worker does
  const double cpu_before = ThreadCpuMs();
  const auto wall_before = std::chrono::steady_clock::now();
  DelayWithEvents(300, clock, ui);
  const auto wall_ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - wall_before).count();
  EXPECT_GE(wall_ms, 300);
  EXPECT_LT(ThreadCpuMs() - cpu_before, 30.0) << "a wait of 300 ms costs next to no processor time";
}

}  // namespace
}  // namespace veltrane
