#include "platform/FakeClock.h"

#include <cmath>

namespace veltrane {

DateTime FakeClock::CurrentLocalTime() {
  std::lock_guard lock(mutex_);
  return now_;
}

bool FakeClock::SetLocalClock(DateTime value) {
  std::lock_guard lock(mutex_);
  if (refusing_ || !InClockRange(value)) return false;
  settings_.push_back(value);
  now_ = value;
  return true;
}

std::int32_t FakeClock::UptimeMs() {
  std::lock_guard lock(mutex_);
  const auto reading = static_cast<std::int32_t>(uptime_);
  uptime_ += uptime_step_;
  return reading;
}

void FakeClock::SetNow(DateTime now) {
  std::lock_guard lock(mutex_);
  now_ = now;
}

void FakeClock::SetUptime(std::uint32_t ms) {
  std::lock_guard lock(mutex_);
  uptime_ = ms;
}

void FakeClock::Advance(std::uint32_t ms) {
  std::lock_guard lock(mutex_);
  uptime_ += ms;
  now_ += ms / 86400000.0;
}

void FakeClock::SetUptimeStep(std::uint32_t ms) {
  std::lock_guard lock(mutex_);
  uptime_step_ = ms;
}

void FakeClock::SetRefusing(bool refusing) {
  std::lock_guard lock(mutex_);
  refusing_ = refusing;
}

std::vector<DateTime> FakeClock::Settings() const {
  std::lock_guard lock(mutex_);
  return settings_;
}

}  // namespace veltrane
