// FakeClock.h: a clock that tests set and read. It never touches the system
// clock. Time stands still until a test moves it (or until an uptime step is
// set, which advances the counter on every reading). Safe on any thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/Clock.h"

namespace veltrane {

class FakeClock : public Clock {
 public:
  DateTime CurrentLocalTime() override;
  // Records the setting; refuses what the real clock refuses (before
  // 1601-01-01, not a number) and everything while refusing is switched on.
  bool SetLocalClock(DateTime value) override;
  std::int32_t UptimeMs() override;

  void SetNow(DateTime now);
  void SetUptime(std::uint32_t ms);
  // Adds ms to the uptime counter (modulo 2^32) and the same time to now.
  void Advance(std::uint32_t ms);
  // Each UptimeMs reading moves the counter on by ms after it is read.
  void SetUptimeStep(std::uint32_t ms);
  void SetRefusing(bool refusing);

  // The values the clock was set to, in order.
  std::vector<DateTime> Settings() const;

 private:
  mutable std::mutex mutex_;
  DateTime now_ = 41444.0;  // 2013-06-19 00:00:00
  std::uint32_t uptime_ = 0;
  std::uint32_t uptime_step_ = 0;
  bool refusing_ = false;
  std::vector<DateTime> settings_;
};

}  // namespace veltrane
