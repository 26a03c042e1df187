// Calibrator.h: the calibration run in its two variants. A run shows the
// local time, fetches the time page, reads the time out of it by position,
// adds the whole seconds the fetch took, shows the time text and sets the
// local clock from it.
//
//   ManualCalibration      always sets the clock; handles the pending events
//                          once at its end
//   BackgroundCalibration  waits a second (DelayWithEvents) between the first
//                          split of the page and the rest of the parse; sets
//                          the clock only when 选择框1 reads checked just
//                          before the setting
//
// A page that comes back empty is fetched once more, at once, within what is
// left of the run's fetch time (at least a second); a second empty page ends
// the run. A page that fails the parse ends the run. Either end is quiet: no
// clock, no 校准时间标签. A run whose fetch took 300 s or more first runs the
// long-delay command (the manual command), on its own thread.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "calibration/PageFetcher.h"
#include "calibration/RunResult.h"
#include "platform/Clock.h"
#include "platform/WindowSystem.h"

namespace veltrane {

// The time one run may spend fetching, its retry included.
inline constexpr std::chrono::milliseconds kRunFetchTime{10000};
// What a retry gets at least, when the first fetch used up the run's time.
inline constexpr std::chrono::milliseconds kRetryFetchTime{1000};
// Elapsed whole seconds from which a run first runs the long-delay command.
inline constexpr std::int32_t kLongDelaySeconds = 300;

class Calibrator {
 public:
  // Every reference must outlive every run. long_delay_command runs on the
  // run's thread and returns when the command has ended.
  Calibrator(WindowSystem& ui, Clock& clock, PageFetcher& fetcher, std::string time_url,
             std::function<void()> long_delay_command);

  RunResult ManualCalibration();
  RunResult BackgroundCalibration();

 private:
  enum class Variant { kManual, kBackground };

  RunResult Run(Variant variant);
  // Shows the local time, reads the uptime into start_uptime and fetches.
  Text FetchTimePage(std::int32_t& start_uptime, std::chrono::milliseconds time_limit);
  // Sets the clock from result.time_text; fills in the outcome and set_to.
  void SetClockFrom(RunResult& result);

  WindowSystem& ui_;
  Clock& clock_;
  PageFetcher& fetcher_;
  const std::string time_url_;
  const std::function<void()> long_delay_command_;
};

}  // namespace veltrane
