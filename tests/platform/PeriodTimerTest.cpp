#include "platform/PeriodTimer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace veltrane {
namespace {

void ProcessFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(PeriodTimer, TicksOncePerPeriodAndStopsAtZero) {
  PeriodTimer timer;
  int ticks = 0;
  timer.SetOnTick([&] { ++ticks; });
  ProcessFor(100);
  EXPECT_EQ(ticks, 0) << "a timer starts with period 0";
  timer.SetTimerPeriod(50);
  ProcessFor(275);
  EXPECT_GE(ticks, 4);
  EXPECT_LE(ticks, 6);
  timer.SetTimerPeriod(0);
  const int stopped_at = ticks;
  ProcessFor(150);
  EXPECT_EQ(ticks, stopped_at);
}

TEST(PeriodTimer, ANegativePeriodCountsAsZero) {
  PeriodTimer timer;
  timer.SetTimerPeriod(-5);
  EXPECT_EQ(timer.Period(), 0);
}

TEST(PeriodTimer, TheSamePeriodAgainDoesNotRestartIt) {
  PeriodTimer timer;
  int ticks = 0;
  timer.SetOnTick([&] { ++ticks; });
  timer.SetTimerPeriod(200);
  ProcessFor(120);
  timer.SetTimerPeriod(200);  // a restart would put the tick at 320 ms
  ProcessFor(120);
  EXPECT_EQ(ticks, 1);
}

TEST(PeriodTimer, ANewPeriodStartsAgainFromNow) {
  PeriodTimer timer;
  int ticks = 0;
  timer.SetOnTick([&] { ++ticks; });
  timer.SetTimerPeriod(200);
  ProcessFor(120);
  timer.SetTimerPeriod(201);  // the next tick is a full period later, at 321 ms
  ProcessFor(120);
  EXPECT_EQ(ticks, 0);
  ProcessFor(150);
  EXPECT_EQ(ticks, 1);
}

TEST(PeriodTimer, QueuesNoMissedTicks) {
  PeriodTimer timer;
  int ticks = 0;
  timer.SetOnTick([&] { ++ticks; });
  timer.SetTimerPeriod(20);
  QThread::msleep(250);  // the UI thread is busy for a dozen periods
  QCoreApplication::processEvents();
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace veltrane
