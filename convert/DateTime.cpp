#include "convert/DateTime.h"

#include <cmath>
#include <cstdio>

#include "convert/GbkTexts.h"
#include "convert/Number.h"

namespace veltrane {
namespace {

bool IsLeapYear(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

constexpr std::int32_t kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr double kSecondsPerDay = 86400.0;

// The civil date of a day count from 1899-12-30 (days from civil, inverted).
void DaysToCivil(std::int64_t days_since_1899, std::int32_t& year, std::int32_t& month, std::int32_t& day) {
  // Shift to days since 0000-03-01, the start of a 400-year era: 1899-12-30
  // is day 693899 of that count.
  const std::int64_t z = days_since_1899 + 693899;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<std::int32_t>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<std::int32_t>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<std::int32_t>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

// Reads at most max_digits ASCII digits at pos; no digit reads 0.
std::int32_t ReadField(std::string_view text, std::size_t& pos, int max_digits) {
  std::int32_t value = 0;
  for (int n = 0; n < max_digits && pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++n, ++pos) {
    value = value * 10 + (text[pos] - '0');
  }
  return value;
}

// Passes over one separator at pos when one is there.
void SkipSeparator(std::string_view text, std::size_t& pos, std::string_view marker, bool blank_too) {
  if (pos >= text.size()) return;
  const char c = text[pos];
  if (c == '-' || c == '.' || c == '/' || c == ':' || (blank_too && c == ' ')) {
    ++pos;
  } else if (text.substr(pos, marker.size()) == marker) {
    pos += marker.size();
  }
}

}  // namespace

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month) {
  static constexpr std::int32_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

std::optional<DateTime> FieldsToDateTime(std::int32_t year, std::int32_t month, std::int32_t day,
                                         std::int32_t hour, std::int32_t minute, std::int32_t second) {
  if (year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 ||
      hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return std::nullopt;
  }
  const std::int64_t y = year;
  const std::int64_t n = 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) +
                         kDaysBeforeMonth[month - 1] + day - (IsLeapYear(y) && month <= 2 ? 1 : 0) - 693959;
  const double fraction = (hour * 3600 + minute * 60 + second) * (1.0 / kSecondsPerDay);
  return n >= 0 ? static_cast<double>(n) + fraction : static_cast<double>(n) - fraction;
}

std::optional<DateTimeFields> DateTimeToFields(DateTime value) {
  if (!(value >= DateTimeMin && value <= DateTimeMax)) return std::nullopt;
  const double half_second = 0.5 / kSecondsPerDay;
  const double moved = value > 0 ? value + half_second : value - half_second;
  const double whole = std::trunc(moved);
  const auto n = static_cast<std::int64_t>(whole);
  auto seconds = static_cast<std::int32_t>(std::trunc((std::fabs(moved) - std::fabs(whole)) * kSecondsPerDay));
  if (seconds > 86399) seconds = 86399;  // a fraction a hair below 1 can round up to a whole day

  DateTimeFields f;
  DaysToCivil(n, f.year, f.month, f.day);
  f.hour = seconds / 3600;
  f.minute = seconds / 60 % 60;
  f.second = seconds % 60;
  f.day_of_week = static_cast<std::int32_t>(((n + 6) % 7 + 7) % 7);
  return f;
}

DateTime ClampDateTime(DateTime value) {
  if (std::isnan(value) || value < DateTimeMin) return DateTimeMin;
  if (value > DateTimeMax) return DateTimeMax;
  return value;
}

std::optional<DateTime> ReadDateTime(std::string_view text) {
  const Text folded = FoldFullWidth(text);
  if (folded.empty()) return std::nullopt;
  std::size_t pos = 0;
  const std::int32_t year = ReadField(folded, pos, 4);
  SkipSeparator(folded, pos, gbk::kYear, false);
  const std::int32_t month = ReadField(folded, pos, 2);
  SkipSeparator(folded, pos, gbk::kMonth, false);
  const std::int32_t day = ReadField(folded, pos, 2);
  SkipSeparator(folded, pos, gbk::kDay, true);
  const std::int32_t hour = ReadField(folded, pos, 2);
  SkipSeparator(folded, pos, gbk::kHour, false);
  const std::int32_t minute = ReadField(folded, pos, 2);
  SkipSeparator(folded, pos, gbk::kMinute, false);
  const std::int32_t second = ReadField(folded, pos, 2);
  if (pos < folded.size() && folded.compare(pos, gbk::kSecond.size(), gbk::kSecond) != 0) return std::nullopt;
  if (year < 100) return std::nullopt;
  return FieldsToDateTime(year, month, day, hour, minute, second);
}

DateTime TextToDateTime(std::string_view text) { return ReadDateTime(text).value_or(DateTimeMin); }

Text DateToText(std::int32_t year, std::int32_t month, std::int32_t day) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%d%.2s%d%.2s%d%.2s", year, gbk::kYear.data(), month, gbk::kMonth.data(), day,
                gbk::kDay.data());
  return buffer;
}

Text DateTimeToText(DateTime value) {
  const DateTimeFields f = *DateTimeToFields(ClampDateTime(value));
  Text text = DateToText(f.year, f.month, f.day);
  char buffer[48];
  if (f.second != 0) {
    std::snprintf(buffer, sizeof buffer, "%d%.2s%d%.2s%d%.2s", f.hour, gbk::kHour.data(), f.minute,
                  gbk::kMinute.data(), f.second, gbk::kSecond.data());
  } else if (f.minute != 0) {
    std::snprintf(buffer, sizeof buffer, "%d%.2s%d%.2s", f.hour, gbk::kHour.data(), f.minute, gbk::kMinute.data());
  } else if (f.hour != 0) {
    std::snprintf(buffer, sizeof buffer, "%d%.2s", f.hour, gbk::kHour.data());
  } else {
    buffer[0] = '\0';
  }
  return text + buffer;
}

}  // namespace veltrane
