// DelayCompensation.h: the whole seconds a run took, and the time text that
// the run shows and sets the clock from.
#pragma once

#include <cstdint>
#include <string_view>

#include "calibration/TimePageParser.h"
#include "convert/Text.h"
#include "platform/Clock.h"

namespace veltrane {

// Whole seconds from start_uptime (a reading of clock.UptimeMs() just before
// the fetch) to now: the signed difference of the two readings in ms, divided
// by 1000 and cut toward zero. Never negative: a negative difference (the
// counter passed 2^31 during the run) gives 0.
std::int32_t MeasureElapsed(std::int32_t start_uptime, Clock& clock);

// The same from two readings.
std::int32_t ElapsedSeconds(std::int32_t start_uptime, std::int32_t now_uptime);

// The time text: date, hour, "时", minute, "分", second, "秒", with elapsed
// (whole seconds, never negative) added to the second. The second is always
// rewritten in number form («05» with 0 gives «5»). When the sum reaches 60
// it carries into the minute, a minute that reaches 60 into the hour, and an
// hour that reaches 24 into the date; a field that receives a carry is
// rewritten in number form, every other field stays exactly as the page gave
// it. A date text that cannot be read as a date stays, with its hour
// unreduced. Takes a bounded number of steps whatever elapsed is.
Text AssembleTimeText(const PageTime& page, std::int32_t elapsed);

}  // namespace veltrane
