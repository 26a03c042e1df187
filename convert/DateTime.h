// DateTime.h: the date-time value and its text forms.
//
// A DateTime is a count of days since 1899-12-30 00:00:00 in the proleptic
// Gregorian calendar, the fraction being the time of day. Before 1899-12-30
// the fraction counts away from zero: -1.25 is 1899-12-29 06:00:00, and 0.25
// and -0.25 are both 1899-12-30 06:00:00. Only values from DateTimeMin to
// DateTimeMax are taken apart into fields, to the nearest second.
//
// Reading and setting the platform's clock lives in platform/ (LocalClock);
// everything here is pure and safe on any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "convert/Text.h"

namespace veltrane {

using DateTime = double;

inline constexpr DateTime DateTimeMin = -657434.0;  // 0100-01-01 00:00:00
inline constexpr DateTime DateTimeMax = 2958465.0;  // 9999-12-31 00:00:00

struct DateTimeFields {
  std::int32_t year = 0;
  std::int32_t month = 0;
  std::int32_t day = 0;
  std::int32_t hour = 0;
  std::int32_t minute = 0;
  std::int32_t second = 0;
  std::int32_t day_of_week = 0;  // 0 = Sunday .. 6 = Saturday

  bool operator==(const DateTimeFields&) const = default;
};

// The days in the month of that year (0 for a month outside 1..12).
std::int32_t DaysInMonth(std::int32_t year, std::int32_t month);

// The value of the fields, or nothing when the year is above 9999, the month
// outside 1..12, the day outside the month, the hour above 23, or the minute
// or second above 59.
std::optional<DateTime> FieldsToDateTime(std::int32_t year, std::int32_t month, std::int32_t day,
                                         std::int32_t hour, std::int32_t minute, std::int32_t second);

// The fields of value to the nearest second (half a second goes away from
// zero), or nothing when value is NaN or outside DateTimeMin..DateTimeMax.
std::optional<DateTimeFields> DateTimeToFields(DateTime value);

// value limited to DateTimeMin..DateTimeMax; a NaN becomes DateTimeMin.
DateTime ClampDateTime(DateTime value);

// Reads year, month, day, hour, minute and second in this order, each a run of
// at most 4, 2, 2, 2, 2, 2 ASCII digits (after full-width folding), each of the
// first five followed by at most one separator ("-", ".", "/", ":", or its
// marker 年 月 日 时 分; a blank after the day too). After the second the text
// ends or "秒" follows. Nothing when the grammar or a field's range fails
// (the year must be 100 or more).
std::optional<DateTime> ReadDateTime(std::string_view text);

// ReadDateTime, with DateTimeMin for a text that cannot be read.
DateTime TextToDateTime(std::string_view text);

// "%d年%d月%d日" then "%d时%d分%d秒", "%d时%d分" or "%d时" as the trailing
// fields are zero or not, nothing at midnight. Values outside the range are
// written as the nearer bound.
Text DateTimeToText(DateTime value);

// "%d年%d月%d日" of a date alone.
Text DateToText(std::int32_t year, std::int32_t month, std::int32_t day);

}  // namespace veltrane
