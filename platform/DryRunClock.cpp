#include "platform/DryRunClock.h"

#include "platform/SystemClock.h"

namespace veltrane {

DryRunClock::DryRunClock(Clock& inner, std::function<void(DateTime)> on_setting)
    : inner_(inner), on_setting_(std::move(on_setting)) {}

DateTime DryRunClock::CurrentLocalTime() { return inner_.CurrentLocalTime(); }

bool DryRunClock::SetLocalClock(DateTime value) {
  if (!LocalToCalendarTime(value)) return false;
  std::lock_guard lock(mutex_);
  if (on_setting_) on_setting_(value);
  return true;
}

std::int32_t DryRunClock::UptimeMs() { return inner_.UptimeMs(); }

}  // namespace veltrane
