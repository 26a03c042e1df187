// PeriodTimer.h: a timer with a period in milliseconds, as the window's timers
// behave. While the period is above 0 it ticks once per period on the UI
// thread; 0 stops it. Missed ticks are not queued: a UI thread busy for
// several periods gets one tick afterwards.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace veltrane {

class PeriodTimer : public QObject {
 public:
  explicit PeriodTimer(QObject* parent = nullptr);

  // A negative period counts as 0. The same period again changes nothing; a
  // new one stops the timer and, above 0, starts it again from now.
  void SetTimerPeriod(int period_ms);
  int Period() const { return period_; }

  void SetOnTick(std::function<void()> on_tick);

 private:
  QTimer timer_;
  int period_ = 0;
  std::function<void()> on_tick_;
};

}  // namespace veltrane
