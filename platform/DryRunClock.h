// DryRunClock.h: a clock that reads the real one and never sets it. A setting
// that the real clock would be asked for (a value from 1601-01-01 on) is
// recorded and counts as done; one it would refuse is refused.
#pragma once

#include <mutex>
#include <vector>

#include "platform/Clock.h"

namespace veltrane {

class DryRunClock : public Clock {
 public:
  // inner gives the time and the uptime; it is never set.
  explicit DryRunClock(Clock& inner);

  DateTime CurrentLocalTime() override;
  bool SetLocalClock(DateTime value) override;
  std::int32_t UptimeMs() override;

  // The values that would have been set, in order.
  std::vector<DateTime> Settings() const;

 private:
  Clock& inner_;
  mutable std::mutex mutex_;
  std::vector<DateTime> settings_;
};

}  // namespace veltrane
