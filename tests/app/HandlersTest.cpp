// The clock tick and the manual command, against a time page server on
// 127.0.0.1 with a fake clock and a fake window.
#include "app/Handlers.h"

#include <gtest/gtest.h>

#include <thread>

#include "convert/GbkTexts.h"
#include "tests/support/CalibrationRig.h"
#include "tests/support/JoiningThreadStarter.h"
#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

using testing::CalibrationRig;
using testing::Gbk;

// Keeps the entries instead of starting threads; a test runs them when it
// wants, or refuses to start any.
class HeldThreadStarter : public ThreadStarter {
 public:
  bool StartThread(std::function<void()> entry) override {
    if (refusing) return false;
    held.push_back(std::move(entry));
    return true;
  }
  std::vector<std::function<void()>> held;
  bool refusing = false;
};

using testing::JoiningThreadStarter;

TEST(OnClockTick, ShowsTheLocalTimeAndStartsOneBackgroundRun) {
  CalibrationRig rig;
  HeldThreadStarter threads;
  rig.clock.SetNow(*FieldsToDateTime(2026, 12, 11, 9, 0, 1));
  Handlers handlers(rig.ui, rig.clock, threads, rig.fetcher, rig.server.Url());
  handlers.OnClockTick();
  EXPECT_EQ(rig.ui.LabelText(Control::系统时间标签), Gbk("2026年12月11日9时0分1秒"));
  ASSERT_EQ(threads.held.size(), 1u);
  EXPECT_EQ(rig.http.Requests(), 0) << "the run is on its own thread";

  rig.ui.SetChecked(true);
  threads.held[0]();
  EXPECT_EQ(rig.ui.LabelText(Control::校准时间标签), Gbk("2026年12月11日08时30分6秒"));
  EXPECT_EQ(rig.clock.Settings().size(), 1u) << "the thread ran a background run";
}

TEST(OnClockTick, ATickWithoutAThreadStillShowsTheTime) {
  CalibrationRig rig;
  HeldThreadStarter threads;
  threads.refusing = true;
  Handlers handlers(rig.ui, rig.clock, threads, rig.fetcher, rig.server.Url());
  handlers.OnClockTick();
  handlers.OnClockTick();
  EXPECT_EQ(rig.ui.LabelHistory(Control::系统时间标签).size(), 2u);
}

TEST(OnClockTick, RunsOnRealThreadsOverlapAndAllFinish) {
  CalibrationRig rig;
  rig.ui.SetChecked(true);
  JoiningThreadStarter threads;
  Handlers handlers(rig.ui, rig.clock, threads, rig.fetcher, rig.server.Url());
  for (int tick = 0; tick < 8; ++tick) handlers.OnClockTick();
  threads.Join();
  EXPECT_EQ(rig.ui.LabelHistory(Control::校准时间标签).size(), 8u);
  EXPECT_EQ(rig.clock.Settings().size(), 8u);
  EXPECT_EQ(rig.http.Requests(), 8);
}

TEST(OnAutoUpdateClicked, OneClickFetchesThreeTimesSetsThreeTimesAndShowsOneBox) {
  CalibrationRig rig;
  HeldThreadStarter threads;
  std::vector<bool> disabled_while_box_open;
  std::size_t messages_seen = 0;
  rig.ui.SetOnEvents([&] {
    const auto messages = rig.ui.Messages();
    if (messages.size() == messages_seen) return;
    messages_seen = messages.size();
    disabled_while_box_open.push_back(rig.ui.IsDisabled(Control::按钮自动更新));
  });
  Handlers handlers(rig.ui, rig.clock, threads, rig.fetcher, rig.server.Url());
  handlers.OnAutoUpdateClicked();
  EXPECT_EQ(rig.http.Requests(), 3);
  EXPECT_EQ(rig.clock.Settings().size(), 3u);
  ASSERT_EQ(rig.ui.Messages().size(), 1u);
  EXPECT_EQ(rig.ui.Messages()[0].text, std::string(gbk::kCalibrationSucceeded));
  EXPECT_EQ(rig.ui.Messages()[0].title, Gbk("信息："));
  EXPECT_EQ(rig.ui.Messages()[0].button_code, kMessageOk);
  EXPECT_EQ(disabled_while_box_open, std::vector<bool>{true});
  EXPECT_EQ(rig.ui.DisabledHistory(Control::按钮自动更新), (std::vector<bool>{true, false}));
  EXPECT_EQ(rig.ui.ProcessEventsCalls(), 3) << "each manual run handles the events once";
}

TEST(OnAutoUpdateClicked, TellsWhyWhenNoRunSetTheClock) {
  struct Case {
    const char* name;
    std::function<void(CalibrationRig&)> arrange;
    const char* message;
  };
  const Case cases[] = {
      {"every fetch reaches nothing", [](CalibrationRig& rig) { rig.http.SetHook([](int) { return false; }); },
       "校对失败！\n无法连接授时服务器"},
      {"the page is not a time page", [](CalibrationRig& rig) { rig.ServeBody("<html>busy</html>"); },
       "校对失败！\n无法识别授时页面"},
      {"the page's time lies before 1601", [](CalibrationRig& rig) { rig.ServePage(1500, 1, 1, 0, 0, 0); },
       "校对失败！\n授时页面给出的时间无效"},
      {"the system refuses the setting", [](CalibrationRig& rig) { rig.clock.SetRefusing(true); },
       "校对失败！\n系统拒绝修改时间"},
      {"one good page among three is a success",
       [](CalibrationRig& rig) {
         rig.http.SetHook([](int request) { return request >= 4; });  // runs 1 and 2 find nothing twice
       },
       "校对成功！"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CalibrationRig rig;
    HeldThreadStarter threads;
    c.arrange(rig);
    Handlers handlers(rig.ui, rig.clock, threads, rig.fetcher, rig.server.Url());
    handlers.OnAutoUpdateClicked();
    ASSERT_EQ(rig.ui.Messages().size(), 1u);
    EXPECT_EQ(rig.ui.Messages()[0].text, Gbk(c.message));
    EXPECT_EQ(rig.ui.DisabledHistory(Control::按钮自动更新), (std::vector<bool>{true, false}));
  }
}

TEST(OnAutoUpdateClicked, ALongDelayInsideTheCommandRunsACommandOfItsOwnFirst) {
  CalibrationRig rig;
  HeldThreadStarter threads;
  rig.http.SetHook([&](int request) {
    if (request == 0) rig.clock.Advance(300000);  // the first fetch takes 300 s
    return true;
  });
  Handlers handlers(rig.ui, rig.clock, threads, rig.fetcher, rig.server.Url());
  handlers.OnAutoUpdateClicked();
  EXPECT_EQ(rig.http.Requests(), 1 + 3 + 2);
  EXPECT_EQ(rig.ui.Messages().size(), 2u);
  EXPECT_EQ(rig.ui.DisabledHistory(Control::按钮自动更新), (std::vector<bool>{true, true, false, false}))
      << "the inner command enables the button before the outer one has finished";
}

}  // namespace
}  // namespace veltrane
