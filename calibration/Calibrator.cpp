#include "calibration/Calibrator.h"

#include <variant>

#include "calibration/DelayCompensation.h"
#include "calibration/DelayWithEvents.h"
#include "calibration/TimePageParser.h"
#include "convert/DateTime.h"
#include "convert/TextOperations.h"

namespace veltrane {

Calibrator::Calibrator(WindowSystem& ui, Clock& clock, PageFetcher& fetcher, std::string time_url,
                       std::function<void()> long_delay_command)
    : ui_(ui),
      clock_(clock),
      fetcher_(fetcher),
      time_url_(std::move(time_url)),
      long_delay_command_(std::move(long_delay_command)) {}

RunResult Calibrator::ManualCalibration() { return Run(Variant::kManual); }

RunResult Calibrator::BackgroundCalibration() { return Run(Variant::kBackground); }

Text Calibrator::FetchTimePage(std::int32_t& start_uptime, std::chrono::milliseconds time_limit) {
  ui_.SetLabelText(Control::系统时间标签, DateTimeToText(clock_.CurrentLocalTime()));
  start_uptime = clock_.UptimeMs();
  return BytesToText(fetcher_.FetchPage(time_url_, time_limit));
}

RunResult Calibrator::Run(Variant variant) {
  using std::chrono::steady_clock;
  RunResult result;
  const auto fetch_end = steady_clock::now() + kRunFetchTime;
  std::int32_t start_uptime = 0;
  Text page_text = FetchTimePage(start_uptime, kRunFetchTime);
  if (CompareText(page_text, "") == 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(fetch_end - steady_clock::now());
    page_text = FetchTimePage(start_uptime, std::max(left, kRetryFetchTime));
    if (CompareText(page_text, "") == 0) {
      result.outcome = RunOutcome::kNoPage;
      return result;
    }
  }

  const TextArray page_pieces = SplitPage(page_text);
  if (variant == Variant::kBackground) DelayWithEvents(1000, clock_, ui_);
  const PageParse parse = ParsePagePieces(page_pieces);
  const PageTime* page_time = std::get_if<PageTime>(&parse);
  if (page_time == nullptr) {
    result.outcome = RunOutcome::kUnreadablePage;
    return result;
  }

  const std::int32_t elapsed = MeasureElapsed(start_uptime, clock_);
  if (elapsed >= kLongDelaySeconds) long_delay_command_();
  result.time_text = AssembleTimeText(*page_time, elapsed);

  if (variant == Variant::kManual || ui_.IsChecked(Control::选择框1)) {
    SetClockFrom(result);
  } else {
    result.outcome = RunOutcome::kNotAsked;
  }
  ui_.SetLabelText(Control::校准时间标签, result.time_text);
  if (variant == Variant::kManual) ui_.ProcessEvents();
  return result;
}

void Calibrator::SetClockFrom(RunResult& result) {
  const std::optional<DateTime> value = ReadDateTime(result.time_text);
  if (!value || !InClockRange(*value)) {
    result.outcome = RunOutcome::kInvalidTime;
  } else if (!clock_.SetLocalClock(*value)) {
    result.outcome = RunOutcome::kClockRefused;
  } else {
    result.outcome = RunOutcome::kClockSet;
    result.set_to = *value;
  }
}

}  // namespace veltrane
