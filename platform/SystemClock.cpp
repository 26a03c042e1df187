#include "platform/SystemClock.h"

#include <cerrno>
#include <ctime>

namespace veltrane {

std::optional<std::int64_t> LocalToCalendarTime(DateTime value) {
  const DateTime clamped = ClampDateTime(value);
  if (!InClockRange(clamped)) return std::nullopt;
  const auto fields = DateTimeToFields(clamped);
  std::tm local{};
  local.tm_year = fields->year - 1900;
  local.tm_mon = fields->month - 1;
  local.tm_mday = fields->day;
  local.tm_hour = fields->hour;
  local.tm_min = fields->minute;
  local.tm_sec = fields->second;
  local.tm_isdst = -1;  // let the time-zone rules say whether daylight saving is in force
  errno = 0;
  const std::time_t t = std::mktime(&local);
  if (t == static_cast<std::time_t>(-1) && errno != 0) return std::nullopt;
  return static_cast<std::int64_t>(t);
}

SystemClock::SystemClock(PrivilegedClockSetter* fallback) : fallback_(fallback) {}

DateTime SystemClock::CurrentLocalTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm local{};
  if (!localtime_r(&now.tv_sec, &local)) return DateTimeMin;
  const auto value = FieldsToDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                      local.tm_min, local.tm_sec);
  return value ? *value : DateTimeMax;  // only a year past 9999 fails
}

bool SystemClock::SetLocalClock(DateTime value) {
  const auto t = LocalToCalendarTime(value);
  if (!t) return false;
  const timespec when{static_cast<std::time_t>(*t), 0};
  if (clock_settime(CLOCK_REALTIME, &when) == 0) return true;
  if (errno != EPERM || !fallback_) return false;
  return fallback_->SetRealtime(*t * 1000000);
}

std::int32_t SystemClock::UptimeMs() {
  timespec up{};
  clock_gettime(CLOCK_BOOTTIME, &up);
  const auto ms = static_cast<std::uint64_t>(up.tv_sec) * 1000u + static_cast<std::uint64_t>(up.tv_nsec) / 1000000u;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms));
}

}  // namespace veltrane
