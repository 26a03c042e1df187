#include "convert/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

using testing::Gbk;

constexpr double kSecond = 1.0 / 86400;
const DateTime k20130619_140507 = 41444 + 50707.0 / 86400;

TEST(TextToDateTime, ReadsTheForms) {
  struct Row {
    const char* sentence;
    std::string text;
    DateTime expected;
  };
  const DateTime midnight = 41444;
  const Row rows[] = {
      {"the marker form", Gbk("2013年6月19日14时5分7秒"), k20130619_140507},
      {"full-width digits", Gbk("２０１３年６月１９日１４时５分７秒"), k20130619_140507},
      {"text after the second marker is not looked at", Gbk("2013年6月19日14时5分7秒 and more"), k20130619_140507},
      {"the second marker may be missing", Gbk("2013年6月19日14时5分7"), k20130619_140507},
      {"dashes, a blank and colons", "2013-06-19 14:05:07", k20130619_140507},
      {"slashes", "2013/6/19 14:5:7", k20130619_140507},
      {"full stops", "2013.6.19.14.5.7", k20130619_140507},
      {"digits without separators", "20130619140507", k20130619_140507},
      {"full-width separators", Gbk("2013－6－19　14：5：7"), k20130619_140507},
      {"the date alone", Gbk("2013年6月19日"), midnight},
      {"a date with a trailing blank", "2013-6-19 ", midnight},
      {"no second", Gbk("2013年6月19日14时5分"), midnight + 50700 * kSecond},
      {"a blank after the day then markers", Gbk("2013-6-19 14时5分7秒"), k20130619_140507},
      {"a leap day", Gbk("2012年2月29日"), 40968},
      {"a leap day of a 400th year", Gbk("2000年2月29日"), 36585},
      {"the smallest year", "100-1-1", DateTimeMin},
      {"the last day", "9999-12-31", DateTimeMax},
      {"the last second", "9999-12-31 23:59:59", DateTimeMax + 86399 * kSecond},
      {"before 1899 the fraction counts down", "1899-12-29 06:00:00", -1.25},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_DOUBLE_EQ(TextToDateTime(r.text), r.expected);
  }
}

TEST(TextToDateTime, GivesDateTimeMinForWhatItCannotRead) {
  const char* texts[] = {
      "2013年6月19日14时5分70秒", "2013年6月19日14时60分5秒", "2013年6月19日24时0分0秒",
      "2013年6月19日14时5分100秒", "2013年2月29日", "1900年2月29日", "99-6-19", "13-6-19", "14:05:07",
      " 2013-6-19", "2013-6-19 14:05 ", "2013年6月", "", "2013年6月19日 14时5分7秒", "2013年13月1日",
      "2013年6月31日", "2013年0月1日", "abc", "2013年6月19日14时5分7分",
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ReadDateTime(Gbk(text)).has_value());
    EXPECT_EQ(TextToDateTime(Gbk(text)), DateTimeMin);
  }
}

TEST(DateTimeToText, DropsTrailingZeroFields) {
  struct Row {
    const char* sentence;
    DateTime value;
    const char* expected;
  };
  const Row rows[] = {
      {"midnight is the date alone", 41444, "2013年6月19日"},
      {"a whole hour", 41444 + 14 / 24.0, "2013年6月19日14时"},
      {"hour and minute", 41444 + 50700 * kSecond, "2013年6月19日14时5分"},
      {"a zero hour before a minute", 41444 + 300 * kSecond, "2013年6月19日0时5分"},
      {"zero hour and minute before a second", 41444 + 7 * kSecond, "2013年6月19日0时0分7秒"},
      {"every field", k20130619_140507, "2013年6月19日14时5分7秒"},
      {"day zero", 0.0, "1899年12月30日"},
      {"a quarter before day zero", -0.25, "1899年12月30日6时"},
      {"a quarter after day zero", 0.25, "1899年12月30日6时"},
      {"a day and a quarter before", -1.25, "1899年12月29日6时"},
      {"0.4 s before midnight is the next day", 41445 - 0.4 * kSecond, "2013年6月20日"},
      {"0.4 s after a second is that second", k20130619_140507 + 0.4 * kSecond, "2013年6月19日14时5分7秒"},
      {"the smallest value", DateTimeMin, "100年1月1日"},
      {"above the range is the largest", 3000000.0, "9999年12月31日"},
      {"half a day past the largest", 2958465.5, "9999年12月31日"},
      {"below the range is the smallest", -700000.0, "100年1月1日"},
      {"not a number is the smallest", std::nan(""), "100年1月1日"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(testing::Utf8(DateTimeToText(r.value)), r.expected);
  }
}

TEST(DateTimeToFields, GoesToTheNearestSecond) {
  const auto f = DateTimeToFields(k20130619_140507 + 0.6 * kSecond);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->second, 8);
  EXPECT_EQ(DateTimeToFields(k20130619_140507 - 0.4 * kSecond)->second, 7);
  EXPECT_EQ(DateTimeToFields(-1.25 - 0.6 * kSecond)->second, 1) << "before 1899 the fraction counts down";
  EXPECT_EQ(f->day_of_week, 3) << "2013-06-19 was a Wednesday";
  EXPECT_EQ(DateTimeToFields(0.0)->day_of_week, 6) << "1899-12-30 was a Saturday";
  EXPECT_FALSE(DateTimeToFields(DateTimeMax + kSecond));
  EXPECT_FALSE(DateTimeToFields(DateTimeMin - kSecond));
  EXPECT_FALSE(DateTimeToFields(std::nan("")));
}

TEST(FieldsToDateTime, RefusesFieldsOutOfRange) {
  EXPECT_FALSE(FieldsToDateTime(10000, 1, 1, 0, 0, 0));
  EXPECT_FALSE(FieldsToDateTime(2013, 0, 1, 0, 0, 0));
  EXPECT_FALSE(FieldsToDateTime(2013, 2, 29, 0, 0, 0));
  EXPECT_FALSE(FieldsToDateTime(2013, 6, 19, 24, 0, 0));
  EXPECT_FALSE(FieldsToDateTime(2013, 6, 19, 0, 60, 0));
  EXPECT_FALSE(FieldsToDateTime(2013, 6, 19, 0, 0, 60));
  EXPECT_DOUBLE_EQ(*FieldsToDateTime(2013, 6, 19, 14, 5, 7), k20130619_140507);
}

TEST(ClampDateTime, LimitsToTheRange) {
  EXPECT_EQ(ClampDateTime(3e6), DateTimeMax);
  EXPECT_EQ(ClampDateTime(-7e5), DateTimeMin);
  EXPECT_EQ(ClampDateTime(41444.5), 41444.5);
}

}  // namespace
}  // namespace veltrane
