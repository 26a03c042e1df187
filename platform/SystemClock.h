// SystemClock.h: the machine's real clock on Linux.
//
// CurrentLocalTime reads CLOCK_REALTIME through the time-zone rules (64-bit
// time, per-call storage). UptimeMs reads CLOCK_BOOTTIME, which counts
// suspend. SetLocalClock is the one place that sets the system clock: it
// refuses dates before 1601-01-01 itself, turns the local fields into a
// calendar time through the time-zone rules and sets it with clock_settime
// when the process may; when it may not (an ordinary desktop user), it asks
// the PrivilegedClockSetter (systemd-timedated over D-Bus) when there is one.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Clock.h"

namespace veltrane {

// Sets the system clock on the process's behalf.
class PrivilegedClockSetter {
 public:
  virtual ~PrivilegedClockSetter() = default;
  // Sets the clock to the given microseconds since 1970-01-01 00:00:00 UTC;
  // true only when it was set.
  virtual bool SetRealtime(std::int64_t usec_utc) = 0;
};

// The calendar time (seconds since 1970-01-01 UTC) of a local date-time, to
// the nearest second, or nothing for a value before 1601-01-01 or one the
// time-zone rules cannot convert.
std::optional<std::int64_t> LocalToCalendarTime(DateTime value);

class SystemClock : public Clock {
 public:
  // fallback may be null: then a refusal by the kernel is final.
  explicit SystemClock(PrivilegedClockSetter* fallback = nullptr);

  DateTime CurrentLocalTime() override;
  bool SetLocalClock(DateTime value) override;
  std::int32_t UptimeMs() override;

 private:
  PrivilegedClockSetter* fallback_;
};

}  // namespace veltrane
