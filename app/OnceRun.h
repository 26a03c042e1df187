// OnceRun.h: --once, one manual calibration without a window, reported on
// standard output and standard error.
#pragma once

#include <cstdio>

#include "calibration/Calibrator.h"
#include "calibration/RunResult.h"

namespace veltrane {

// The local date-time as "YYYY-MM-DD HH:MM:SS"; empty outside the range.
std::string SettingText(DateTime value);

// Writes what one run came to: on out the time text (UTF-8, one line) when
// the run assembled one, then the value set as "YYYY-MM-DD HH:MM:SS" when
// the clock was set; on err the reason when it was not. Returns the exit
// status: 0 when the clock was set, 1 when not.
int ReportOnceRun(const RunResult& result, std::FILE* out, std::FILE* err);

}  // namespace veltrane
