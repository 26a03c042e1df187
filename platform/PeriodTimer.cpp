#include "platform/PeriodTimer.h"

namespace veltrane {

PeriodTimer::PeriodTimer(QObject* parent) : QObject(parent) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (on_tick_) on_tick_();
  });
}

void PeriodTimer::SetTimerPeriod(int period_ms) {
  if (period_ms < 0) period_ms = 0;
  if (period_ms == period_) return;
  period_ = period_ms;
  timer_.stop();
  if (period_ > 0) timer_.start(period_);
}

void PeriodTimer::SetOnTick(std::function<void()> on_tick) { on_tick_ = std::move(on_tick); }

}  // namespace veltrane
