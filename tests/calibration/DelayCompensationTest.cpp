#include "calibration/DelayCompensation.h"

#include <gtest/gtest.h>

#include <limits>

#include "convert/DateTime.h"
#include "platform/FakeClock.h"
#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

using testing::Gbk;
using testing::Utf8;

TEST(ElapsedSeconds, CutsWholeSecondsAndNeverGoesNegative) {
  struct Row {
    const char* sentence;
    std::int32_t start, now, expected;
  };
  const std::int32_t max = std::numeric_limits<std::int32_t>::max();
  const std::int32_t min = std::numeric_limits<std::int32_t>::min();
  const Row rows[] = {
      {"999 ms are 0 s", 1000, 1999, 0},
      {"1000 ms are 1 s", 1000, 2000, 1},
      {"1999 ms are 1 s", 0, 1999, 1},
      {"60999 ms are 60 s", 5, 61004, 60},
      {"a negative difference under a second is 0", 2000, 1500, 0},
      {"a negative difference of seconds is 0", 20000, 1000, 0},
      {"passing 2^31 reads as a huge negative difference and gives 0", max - 100, min + 400, 0},
      {"across 2^32, from -1 to 999, 1000 ms pass", -1, 999, 1},
      {"300 s take the long-delay path", 0, 300000, 300},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(ElapsedSeconds(r.start, r.now), r.expected);
  }
}

TEST(MeasureElapsed, ReadsNowFromTheClock) {
  FakeClock clock;
  clock.SetUptime(10000);
  const std::int32_t start = clock.UptimeMs();
  clock.Advance(2500);
  EXPECT_EQ(MeasureElapsed(start, clock), 2);
}

PageTime Page(const char* date, const char* hour, const char* minute, const char* second) {
  return PageTime{Gbk(date), Gbk(hour), Gbk(minute), Gbk(second)};
}

TEST(AssembleTimeText, AddsElapsedAndCarriesSoundly) {
  struct Row {
    const char* sentence;
    PageTime page;
    std::int32_t elapsed;
    const char* expected;
  };
  const Row rows[] = {
      {"the worked example", Page("2000年1月2日", "03", "04", "05"), 2, "2000年1月2日03时04分7秒"},
      {"elapsed 0 still rewrites the second", Page("2013年6月19日", "14", "05", "05"), 0, "2013年6月19日14时05分5秒"},
      {"elapsed 3 on «05»", Page("2013年6月19日", "14", "05", "05"), 3, "2013年6月19日14时05分8秒"},
      {"«58» and 3 carry into the minute", Page("2013年6月19日", "14", "04", "58"), 3, "2013年6月19日14时5分1秒"},
      {"«59» and 1 give a whole minute", Page("2013年6月19日", "14", "04", "59"), 1, "2013年6月19日14时5分0秒"},
      {"«05» and 60 carry a minute", Page("2013年6月19日", "14", "05", "05"), 60, "2013年6月19日14时6分5秒"},
      {"300 s move the minute by five", Page("2013年6月19日", "14", "05", "07"), 300, "2013年6月19日14时10分7秒"},
      {"a minute carry reaches the hour", Page("2013年6月19日", "14", "59", "59"), 1, "2013年6月19日15时0分0秒"},
      {"the last second of the year", Page("2013年12月31日", "23", "59", "59"), 1, "2014年1月1日0时0分0秒"},
      {"into a leap day", Page("2012年2月28日", "23", "59", "58"), 2, "2012年2月29日0时0分0秒"},
      {"over a leap day", Page("2012年2月29日", "23", "59", "30"), 40, "2012年3月1日0时0分10秒"},
      {"past February in a common year", Page("2013年2月28日", "23", "59", "59"), 1, "2013年3月1日0时0分0秒"},
      {"the end of a 30-day month", Page("2013年4月30日", "23", "59", "59"), 1, "2013年5月1日0时0分0秒"},
      {"a dashed date is rewritten in the marker form", Page("2013-12-31 ", "23", "59", "59"), 1, "2014年1月1日0时0分0秒"},
      {"a day of carries", Page("2013年6月19日", "14", "05", "07"), 86400, "2013年6月20日14时5分7秒"},
      {"an unreadable date keeps its hour unreduced", Page("garbage", "23", "59", "59"), 1, "garbage24时0分0秒"},
      {"the last day cannot move on", Page("9999年12月31日", "23", "59", "59"), 1, "9999年12月31日24时0分0秒"},
      {"an empty hour puts 时 right after the date", Page("2013年6月19日", "", "05", "07"), 0, "2013年6月19日时05分7秒"},
      {"an empty second reads as 0", Page("2013年6月19日", "14", "05", ""), 2, "2013年6月19日14时05分2秒"},
      {"a second with a tail reads its number", Page("2013年6月19日", "14", "05", "05')"), 1, "2013年6月19日14时05分6秒"},
      {"a garbage second reads as 0", Page("2013年6月19日", "14", "05", "xx"), 1, "2013年6月19日14时05分1秒"},
      {"a garbage minute receiving a carry reads as 0", Page("2013年6月19日", "14", "xx", "59"), 1, "2013年6月19日14时1分0秒"},
      {"a page minute of 60 without a carry stays", Page("2013年6月19日", "14", "60", "05"), 1, "2013年6月19日14时60分6秒"},
      {"full-width digits are read", Page("2013年6月19日", "１４", "０５", "０７"), 1, "2013年6月19日１４时０５分8秒"},
      {"the largest elapsed stays bounded", Page("2013年6月19日", "14", "05", "07"), 2147483647, "2081年7月7日17时19分14秒"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sentence);
    EXPECT_EQ(Utf8(AssembleTimeText(r.page, r.elapsed)), r.expected);
  }
}

TEST(AssembleTimeText, GivesTextsTheClockAccepts) {
  // Every second and every elapsed under two minutes, on the last minute of a
  // year: the time text always reads, and reads as page time plus elapsed.
  const DateTime page_time = *FieldsToDateTime(2013, 12, 31, 23, 59, 0);
  for (int second = 0; second < 60; ++second) {
    for (std::int32_t elapsed = 0; elapsed < 120; ++elapsed) {
      const PageTime page{Gbk("2013年12月31日"), "23", "59", std::to_string(second)};
      const Text text = AssembleTimeText(page, elapsed);
      const auto read = ReadDateTime(text);
      ASSERT_TRUE(read) << Utf8(text);
      EXPECT_EQ(DateTimeToText(*read), DateTimeToText(page_time + (second + elapsed) / 86400.0)) << Utf8(text);
    }
  }
}

}  // namespace
}  // namespace veltrane
