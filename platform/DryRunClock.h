// DryRunClock.h: a clock that reads the real one and never sets it. A setting
// that the real clock would be asked for (a value from 1601-01-01 on) counts
// as done and is handed to an observer; one it would refuse is refused.
#pragma once

#include <functional>
#include <mutex>

#include "platform/Clock.h"

namespace veltrane {

class DryRunClock : public Clock {
 public:
  // inner gives the time and the uptime; it is never set. on_setting, when
  // given, sees every setting that would have been made, one call at a time.
  explicit DryRunClock(Clock& inner, std::function<void(DateTime)> on_setting = {});

  DateTime CurrentLocalTime() override;
  bool SetLocalClock(DateTime value) override;
  std::int32_t UptimeMs() override;

 private:
  Clock& inner_;
  std::mutex mutex_;
  const std::function<void(DateTime)> on_setting_;
};

}  // namespace veltrane
