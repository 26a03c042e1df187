// Every day from 0100-01-01 to 9999-12-31 against std::chrono's civil
// calendar, with a sample of times of day, through all four conversions.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "convert/DateTime.h"
#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

namespace chr = std::chrono;

TEST(DateTimeCalendar, AgreesWithStdChronoOnEveryDay) {
  const chr::sys_days epoch = chr::year{1899} / chr::December / 30;
  const chr::sys_days first = chr::year{100} / chr::January / 1;
  const chr::sys_days last = chr::year{9999} / chr::December / 31;
  int checked = 0;
  for (chr::sys_days day = first; day <= last; day += chr::days{1}) {
    const chr::year_month_day ymd{day};
    const auto y = static_cast<std::int32_t>(static_cast<int>(ymd.year()));
    const auto m = static_cast<std::int32_t>(static_cast<unsigned>(ymd.month()));
    const auto d = static_cast<std::int32_t>(static_cast<unsigned>(ymd.day()));
    const auto n = (day - epoch).count();
    // A time of day that moves with the day, so that every hour, minute and
    // second is met many times over.
    // Only the first moment of the first and the last day lies in the range.
    const auto s = day == first || day == last ? 0 : static_cast<std::int32_t>((n * 7919 % 86400 + 86400) % 86400);
    const std::int32_t hour = s / 3600, minute = s / 60 % 60, second = s % 60;

    const auto value = FieldsToDateTime(y, m, d, hour, minute, second);
    ASSERT_TRUE(value) << y << "-" << m << "-" << d;
    const double expected = n >= 0 ? static_cast<double>(n) + s / 86400.0 : static_cast<double>(n) - s / 86400.0;
    ASSERT_NEAR(*value, expected, 1e-9) << y << "-" << m << "-" << d;

    const auto fields = DateTimeToFields(*value);
    ASSERT_TRUE(fields);
    const DateTimeFields want{y, m, d, hour, minute, second,
                              static_cast<std::int32_t>(chr::weekday{day}.c_encoding())};
    ASSERT_EQ(*fields, want) << y << "-" << m << "-" << d << " " << s;

    // Text to value to text, in the display form and in the dashed form.
    const Text text = DateTimeToText(*value);
    ASSERT_EQ(TextToDateTime(text), *value) << testing::Utf8(text);
    ASSERT_EQ(DateTimeToText(TextToDateTime(text)), text);
    char dashed[40];
    std::snprintf(dashed, sizeof dashed, "%d-%02d-%02d %02d:%02d:%02d", y, m, d, hour, minute, second);
    ASSERT_EQ(TextToDateTime(dashed), *value) << dashed;
    ++checked;
  }
  EXPECT_EQ(checked, (last - first).count() + 1);
}

}  // namespace
}  // namespace veltrane
