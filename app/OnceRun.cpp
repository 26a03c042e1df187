#include "app/OnceRun.h"

#include <string>

#include "platform/GbkIconv.h"

namespace veltrane {

std::string SettingText(DateTime value) {
  const auto fields = DateTimeToFields(value);
  if (!fields) return std::string();
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", fields->year, fields->month, fields->day,
                fields->hour, fields->minute, fields->second);
  return text;
}

int ReportOnceRun(const RunResult& result, std::FILE* out, std::FILE* err) {
  if (!result.time_text.empty()) std::fprintf(out, "%s\n", GbkToUtf8(result.time_text).c_str());
  if (result.outcome == RunOutcome::kClockSet && result.set_to) {
    std::fprintf(out, "%s\n", SettingText(*result.set_to).c_str());
    return 0;
  }
  std::fprintf(err, "%s\n", GbkToUtf8(FailureReason(result.outcome)).c_str());
  return 1;
}

}  // namespace veltrane
