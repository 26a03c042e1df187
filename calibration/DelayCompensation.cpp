#include "calibration/DelayCompensation.h"

#include <cmath>

#include "convert/DateTime.h"
#include "convert/GbkTexts.h"
#include "convert/Number.h"
#include "convert/TextOperations.h"

namespace veltrane {

std::int32_t ElapsedSeconds(std::int32_t start_uptime, std::int32_t now_uptime) {
  const double difference = static_cast<double>(now_uptime) - static_cast<double>(start_uptime);
  const auto elapsed = static_cast<std::int32_t>(std::trunc(difference / 1000.0));
  return elapsed < 0 ? 0 : elapsed;
}

std::int32_t MeasureElapsed(std::int32_t start_uptime, Clock& clock) {
  return ElapsedSeconds(start_uptime, clock.UptimeMs());
}

namespace {

// Splits value into a carry of whole units of size (floor) and what is left
// (in 0..size). The size is never zero.
double TakeCarry(double& value, double size) {
  const double carry = std::floor(value / size);
  value = std::fmod(value, size);
  return carry;
}

// date_text moved on by days, or nothing when it cannot be read as a date or
// the new date lies outside the calendar's range.
std::optional<Text> MoveDate(std::string_view date_text, double days) {
  const auto date = ReadDateTime(date_text);
  if (!date) return std::nullopt;
  const auto fields = DateTimeToFields(*date);
  if (!fields) return std::nullopt;
  const DateTime moved = *FieldsToDateTime(fields->year, fields->month, fields->day, 0, 0, 0) + days;
  const auto new_fields = DateTimeToFields(moved);
  if (!new_fields) return std::nullopt;
  return DateToText(new_fields->year, new_fields->month, new_fields->day);
}

}  // namespace

Text AssembleTimeText(const PageTime& page, std::int32_t elapsed) {
  Text date = page.date;
  Text hour = page.hour;
  Text minute = page.minute;
  double second = TextToNumber(page.second) + elapsed;

  if (second >= 60) {
    double minutes = TextToNumber(minute) + TakeCarry(second, 60);
    if (minutes >= 60) {
      double hours = TextToNumber(hour) + TakeCarry(minutes, 60);
      if (hours >= 24) {
        double reduced = hours;
        const double days = TakeCarry(reduced, 24);
        if (auto moved = MoveDate(date, days)) {
          date = *std::move(moved);
          hours = reduced;
        }
      }
      hour = NumberToText(hours);
    }
    minute = NumberToText(minutes);
  }
  return ConcatText({date, hour, gbk::kHour, minute, gbk::kMinute, NumberToText(second), gbk::kSecond});
}

}  // namespace veltrane
