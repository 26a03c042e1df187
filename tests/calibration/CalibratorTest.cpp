// Calibration runs against a time page server on 127.0.0.1, with a fake
// clock, a fake uptime and a fake window.
#include "calibration/Calibrator.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/CalibrationRig.h"
#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

using testing::CalibrationRig;
using testing::Gbk;

class CalibratorTest : public ::testing::Test {
 protected:
  CalibratorTest() : calibrator_(rig_.ui, rig_.clock, rig_.fetcher, rig_.server.Url(), [this] { ++long_delays_; }) {}

  RunResult Run(bool background) {
    return background ? calibrator_.BackgroundCalibration() : calibrator_.ManualCalibration();
  }

  std::vector<std::string> CalibratedLabel() const { return rig_.ui.LabelHistory(Control::校准时间标签); }

  CalibrationRig rig_;
  int long_delays_ = 0;
  Calibrator calibrator_;
};

struct VariantCase {
  const char* name;
  bool background;
  bool checked;
  RunOutcome outcome;
  const char* time_text;  // UTF-8
  int settings;
  int process_events_calls;  // the wait: four per pass that waits, two for the last check
  int is_checked_calls;
};

TEST_F(CalibratorTest, TheTwoVariantsDifferInTheWaitTheCheckBoxAndTheEvents) {
  const VariantCase cases[] = {
      {"a manual run sets the clock whatever the box, and handles events once at its end", false, false,
       RunOutcome::kClockSet, "2026年12月11日08时30分5秒", 1, 1, 0},
      {"a background run with the box unchecked shows the time but leaves the clock", true, false,
       RunOutcome::kNotAsked, "2026年12月11日08时30分6秒", 0, 6, 1},
      {"a background run with the box checked sets the clock, its wait counted in elapsed", true, true,
       RunOutcome::kClockSet, "2026年12月11日08时30分6秒", 1, 6, 1},
  };
  for (const VariantCase& c : cases) {
    SCOPED_TRACE(c.name);
    CalibrationRig rig;
    rig.ui.SetChecked(c.checked);
    rig.clock.SetUptime(5000);
    Calibrator calibrator(rig.ui, rig.clock, rig.fetcher, rig.server.Url(), [] { FAIL() << "no long delay"; });
    const RunResult result = c.background ? calibrator.BackgroundCalibration() : calibrator.ManualCalibration();
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.time_text, Gbk(c.time_text));
    EXPECT_EQ(rig.ui.LabelHistory(Control::校准时间标签), std::vector<std::string>{Gbk(c.time_text)});
    EXPECT_EQ(rig.ui.LabelHistory(Control::系统时间标签).size(), 1u);
    EXPECT_EQ(static_cast<int>(rig.clock.Settings().size()), c.settings);
    if (c.settings == 1) {
      EXPECT_EQ(rig.clock.Settings()[0], TextToDateTime(Gbk(c.time_text)));
      EXPECT_EQ(result.set_to, rig.clock.Settings()[0]);
    }
    EXPECT_EQ(rig.ui.ProcessEventsCalls(), c.process_events_calls);
    EXPECT_EQ(rig.ui.IsCheckedCalls(), c.is_checked_calls);
    EXPECT_EQ(rig.http.Requests(), 1);
  }
}

TEST_F(CalibratorTest, TheBoxCountsAsItReadsJustBeforeTheSetting) {
  struct Case {
    const char* name;
    bool checked_before;
    bool checked_during_fetch;
    int settings;
  } cases[] = {
      {"checking the box while the fetch is under way sets the clock", false, true, 1},
      {"unchecking the box while the fetch is under way keeps the clock", true, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CalibrationRig rig;
    rig.ui.SetChecked(c.checked_before);
    rig.http.SetHook([&](int) {
      rig.ui.SetChecked(c.checked_during_fetch);
      return true;
    });
    Calibrator calibrator(rig.ui, rig.clock, rig.fetcher, rig.server.Url(), [] {});
    calibrator.BackgroundCalibration();
    EXPECT_EQ(static_cast<int>(rig.clock.Settings().size()), c.settings);
    EXPECT_EQ(rig.ui.LabelHistory(Control::校准时间标签).size(), 1u);
  }
}

TEST_F(CalibratorTest, AnEmptyPageIsFetchedOnceMoreWithAFreshStart) {
  // The first fetch reaches nothing and takes 400 s by the uptime counter; the
  // retry reads the counter again, so the page's time is not moved on by it.
  rig_.http.SetHook([&](int request) {
    if (request > 0) return true;
    rig_.clock.Advance(400000);
    return false;
  });
  const RunResult result = calibrator_.ManualCalibration();
  EXPECT_EQ(result.outcome, RunOutcome::kClockSet);
  EXPECT_EQ(result.time_text, Gbk("2026年12月11日08时30分5秒"));
  EXPECT_EQ(rig_.http.Requests(), 2);
  EXPECT_EQ(long_delays_, 0);
  EXPECT_EQ(rig_.ui.LabelHistory(Control::系统时间标签).size(), 2u) << "the retry shows the local time again";
  EXPECT_EQ(rig_.clock.Settings().size(), 1u);
}

TEST_F(CalibratorTest, TheRetryKeepsTheBoxAndSharesTheRunsFetchTime) {
  rig_.http.SetHook([&](int request) {
    if (request == 0) std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return request > 0;
  });
  rig_.ui.SetChecked(false);
  EXPECT_EQ(calibrator_.BackgroundCalibration().outcome, RunOutcome::kNotAsked);
  EXPECT_TRUE(rig_.clock.Settings().empty()) << "a background retry never sets the clock past an unchecked box";
  const auto limits = rig_.http.TimeLimits();
  ASSERT_EQ(limits.size(), 2u);
  EXPECT_EQ(limits[0], kRunFetchTime.count());
  EXPECT_LE(limits[1], kRunFetchTime.count() - 300);
  EXPECT_GE(limits[1], kRetryFetchTime.count());
}

TEST_F(CalibratorTest, ASecondEmptyPageEndsTheRunQuietly) {
  for (bool background : {false, true}) {
    SCOPED_TRACE(background ? "background" : "manual");
    CalibrationRig rig;
    rig.http.SetHook([](int) { return false; });
    rig.ui.SetChecked(true);
    Calibrator calibrator(rig.ui, rig.clock, rig.fetcher, rig.server.Url(), [] {});
    const RunResult result = background ? calibrator.BackgroundCalibration() : calibrator.ManualCalibration();
    EXPECT_EQ(result.outcome, RunOutcome::kNoPage);
    EXPECT_EQ(rig.http.Requests(), 2) << "one retry, no more";
    EXPECT_TRUE(rig.clock.Settings().empty());
    EXPECT_TRUE(rig.ui.LabelHistory(Control::校准时间标签).empty());
  }
}

std::string PageFile(const char* name) {
  std::ifstream file(std::string(VELTRANE_PAGES_DIR) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::string UpTo(const std::string& text, const std::string& marker) { return text.substr(0, text.find(marker)); }

TEST_F(CalibratorTest, APageThatFailsTheParseEndsTheRunQuietly) {
  const struct {
    const char* name;
    std::string body;
  } cases[] = {
      {"an error page of the server", PageFile("not-found.html")},
      {"plain text", "the time is now"},
      {"a page cut off before its clock fields", UpTo(PageFile("typical.html"), "var nhrs")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool background : {false, true}) {
      CalibrationRig rig;
      rig.ServeBody(c.body);
      rig.ui.SetChecked(true);
      Calibrator calibrator(rig.ui, rig.clock, rig.fetcher, rig.server.Url(), [] {});
      const RunResult result = background ? calibrator.BackgroundCalibration() : calibrator.ManualCalibration();
      EXPECT_EQ(result.outcome, RunOutcome::kUnreadablePage);
      EXPECT_TRUE(result.time_text.empty());
      EXPECT_TRUE(rig.clock.Settings().empty());
      EXPECT_TRUE(rig.ui.LabelHistory(Control::校准时间标签).empty());
      EXPECT_EQ(rig.http.Requests(), 1) << "a page that came is not fetched again";
    }
  }
}

TEST_F(CalibratorTest, ATimeTheClockCannotTakeIsShownButNotSet) {
  const struct {
    const char* name;
    int year, month, day;
    bool refusing;
    RunOutcome outcome;
    const char* time_text;
  } cases[] = {
      {"a date before 1601", 1600, 12, 31, false, RunOutcome::kInvalidTime, "1600年12月31日08时30分5秒"},
      {"a month that does not exist", 2026, 13, 1, false, RunOutcome::kInvalidTime, "2026年13月1日08时30分5秒"},
      {"the first day of 1601 is a time like any other", 1601, 1, 1, false, RunOutcome::kClockSet,
       "1601年1月1日08时30分5秒"},
      {"a clock that refuses", 2026, 12, 11, true, RunOutcome::kClockRefused, "2026年12月11日08时30分5秒"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CalibrationRig rig;
    rig.ServePage(c.year, c.month, c.day, 8, 30, 5);
    rig.clock.SetRefusing(c.refusing);
    Calibrator calibrator(rig.ui, rig.clock, rig.fetcher, rig.server.Url(), [] {});
    const RunResult result = calibrator.ManualCalibration();
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(rig.ui.LabelText(Control::校准时间标签), Gbk(c.time_text));
    EXPECT_EQ(result.set_to.has_value(), c.outcome == RunOutcome::kClockSet);
  }
}

TEST_F(CalibratorTest, AFetchOfThreeHundredSecondsFirstRunsTheLongDelayCommand) {
  const struct {
    const char* name;
    std::uint32_t fetch_ms;
    int long_delays;
    const char* time_text;
  } cases[] = {
      {"299 s is not yet a long delay", 299999, 0, "2026年12月11日08时35分4秒"},
      {"300 s is one", 300000, 1, "2026年12月11日08时35分5秒"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CalibrationRig rig;
    int long_delays = 0;
    std::size_t labels_at_command = 0;
    rig.http.SetHook([&](int) {
      rig.clock.Advance(c.fetch_ms);
      return true;
    });
    Calibrator calibrator(rig.ui, rig.clock, rig.fetcher, rig.server.Url(), [&] {
      ++long_delays;
      labels_at_command = rig.ui.LabelHistory(Control::校准时间标签).size();
    });
    const RunResult result = calibrator.ManualCalibration();
    EXPECT_EQ(long_delays, c.long_delays);
    EXPECT_EQ(labels_at_command, 0u) << "the command runs before the run shows its own time";
    EXPECT_EQ(result.time_text, Gbk(c.time_text)) << "the run goes on with the same elapsed";
  }
}

}  // namespace
}  // namespace veltrane
