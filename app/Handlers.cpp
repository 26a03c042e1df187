#include "app/Handlers.h"

#include "convert/DateTime.h"
#include "convert/GbkTexts.h"

namespace veltrane {

Handlers::Handlers(WindowSystem& ui, Clock& clock, ThreadStarter& threads, PageFetcher& fetcher,
                   std::string time_url)
    : ui_(ui),
      clock_(clock),
      threads_(threads),
      calibrator_(ui, clock, fetcher, std::move(time_url), [this] { OnAutoUpdateClicked(); }) {}

void Handlers::OnClockTick() {
  ui_.SetLabelText(Control::系统时间标签, DateTimeToText(clock_.CurrentLocalTime()));
  threads_.StartThread([this] { calibrator_.BackgroundCalibration(); });
}

void Handlers::OnAutoUpdateClicked() {
  ui_.SetDisabled(Control::按钮自动更新, true);
  bool any_set = false;
  RunResult last;
  for (int run = 0; run < 3; ++run) {
    last = calibrator_.ManualCalibration();
    any_set = any_set || last.outcome == RunOutcome::kClockSet;
  }
  if (any_set) {
    ui_.ShowMessage(gbk::kCalibrationSucceeded);
  } else {
    Text message(gbk::kCalibrationFailed);
    message += '\n';
    message += FailureReason(last.outcome);
    ui_.ShowMessage(message);
  }
  ui_.SetDisabled(Control::按钮自动更新, false);
}

}  // namespace veltrane
