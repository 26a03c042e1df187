#include "calibration/RunResult.h"

#include "convert/GbkTexts.h"

namespace veltrane {

std::string_view FailureReason(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::kNoPage: return gbk::kCannotReachServer;
    case RunOutcome::kUnreadablePage: return gbk::kCannotReadPage;
    case RunOutcome::kInvalidTime: return gbk::kPageTimeInvalid;
    case RunOutcome::kClockRefused: return gbk::kClockRefused;
    case RunOutcome::kClockSet:
    case RunOutcome::kNotAsked: break;
  }
  return {};
}

}  // namespace veltrane
