#include "platform/DryRunClock.h"

#include "platform/SystemClock.h"

namespace veltrane {

DryRunClock::DryRunClock(Clock& inner) : inner_(inner) {}

DateTime DryRunClock::CurrentLocalTime() { return inner_.CurrentLocalTime(); }

bool DryRunClock::SetLocalClock(DateTime value) {
  if (!LocalToCalendarTime(value)) return false;
  std::lock_guard lock(mutex_);
  settings_.push_back(value);
  return true;
}

std::int32_t DryRunClock::UptimeMs() { return inner_.UptimeMs(); }

std::vector<DateTime> DryRunClock::Settings() const {
  std::lock_guard lock(mutex_);
  return settings_;
}

}  // namespace veltrane
