// RunResult.h: what one calibration run came to, for the manual command's
// message and for --once.
#pragma once

#include <optional>
#include <string_view>

#include "convert/DateTime.h"
#include "convert/Text.h"

namespace veltrane {

enum class RunOutcome {
  kClockSet,        // the clock was set (with a dry-run clock: would have been)
  kNotAsked,        // a background run that found 选择框1 unchecked
  kNoPage,          // the page came back empty, and again on the retry
  kUnreadablePage,  // the page failed the parse
  kInvalidTime,     // the time text cannot be read, or lies before 1601
  kClockRefused,    // the platform refused the setting
};

struct RunResult {
  RunOutcome outcome = RunOutcome::kNoPage;
  Text time_text;                  // as 校准时间标签 shows it; empty when none was assembled
  std::optional<DateTime> set_to;  // the value the clock was set to, with kClockSet
};

// The reason shown for a run that did not set the clock (GBK); empty for
// kClockSet and kNotAsked.
std::string_view FailureReason(RunOutcome outcome);

}  // namespace veltrane
