// Clock.h: the local clock and the uptime counter, behind one small interface
// so that the code that computes a time never touches the real clock.
// SystemClock (platform/SystemClock.h) is the real one, FakeClock the one
// that tests drive; both are full members of this interface.
#pragma once

#include <cstdint>
#include <optional>

#include "convert/DateTime.h"

namespace veltrane {

// Whether a clock can take value: a value inside DateTimeMin..DateTimeMax
// whose date, to the nearest second, is 1601-01-01 or later.
inline bool InClockRange(DateTime value) {
  const std::optional<DateTimeFields> fields = DateTimeToFields(value);
  return fields && fields->year >= 1601;
}

class Clock {
 public:
  virtual ~Clock() = default;

  // The local wall-clock time, whole seconds. Safe on any thread.
  virtual DateTime CurrentLocalTime() = 0;

  // Sets the local clock to value (local time, to the nearest second). Returns
  // true only when the clock was set; refuses dates before 1601-01-01 and
  // never sets the clock partly. Safe on any thread.
  virtual bool SetLocalClock(DateTime value) = 0;

  // Milliseconds since the system started, cut to 32 bits and read as signed:
  // negative from 2^31 ms on, back to 0 after 2^32 ms.
  virtual std::int32_t UptimeMs() = 0;
};

}  // namespace veltrane
