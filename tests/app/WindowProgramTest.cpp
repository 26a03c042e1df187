// The window program in-process, offscreen: the main window, the real window
// operations and handlers, a time page server on 127.0.0.1, and a dry-run
// clock over the real one that records what it would have set.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/Handlers.h"
#include "app/MainWindow.h"
#include "platform/DryRunClock.h"
#include "platform/QtFlatLook.h"
#include "platform/QtWindowSystem.h"
#include "platform/SystemClock.h"
#include "tests/support/CalibrationRig.h"
#include "tests/support/JoiningThreadStarter.h"
#include "tests/support/ProcessUntil.h"

namespace veltrane {
namespace {

using testing::CalibrationRig;
using testing::JoiningThreadStarter;

using testing::ProcessUntil;

class WindowProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rig_.ui.SetOnWait({});  // the fake window is not used here
    window_ = LoadMainWindow([this](MainWindow& created) {
      ui_ = std::make_unique<QtWindowSystem>(&created);
      handlers_ = std::make_unique<Handlers>(*ui_, clock_, threads_, rig_.fetcher, rig_.server.Url());
      created.时钟1->SetOnTick([this] { handlers_->OnClockTick(); });
      created.SetOnAutoUpdateClicked([this] { handlers_->OnAutoUpdateClicked(); });
      OnMainWindowCreated(created);
    });
  }
  void TearDown() override {
    window_->时钟1->SetTimerPeriod(0);
    delete window_;  // runs still in flight find the window gone
    EXPECT_TRUE(ProcessUntil([&] { return threads_.AllFinished(); }, 15000));
    threads_.Join();
    ApplyFlatLook(0);
  }

  CalibrationRig rig_;
  std::vector<DateTime> Settings() {
    std::lock_guard lock(settings_mutex_);
    return settings_;
  }

  std::mutex settings_mutex_;
  std::vector<DateTime> settings_;
  SystemClock real_clock_;
  DryRunClock clock_{real_clock_, [this](DateTime value) {
                       std::lock_guard lock(settings_mutex_);
                       settings_.push_back(value);
                     }};
  JoiningThreadStarter threads_;
  std::unique_ptr<QtWindowSystem> ui_;
  std::unique_ptr<Handlers> handlers_;
  MainWindow* window_ = nullptr;
};

TEST_F(WindowProgramTest, WithTheBoxCheckedTheTicksShowTheTimeAndSetTheClock) {
  window_->选择框1->setChecked(true);
  ASSERT_TRUE(ProcessUntil([&] { return Settings().size() >= 2; }, 6000));
  EXPECT_EQ(window_->校准时间标签->text(), QStringLiteral("2026年12月11日08时30分6秒"));
  EXPECT_TRUE(window_->系统时间标签->text().startsWith(QString::number(QDate::currentDate().year()) + "年"));
  EXPECT_GE(threads_.Started(), 2);
}

TEST_F(WindowProgramTest, AClickCalibratesThreeTimesAndShowsTheBoxWithTheButtonDisabled) {
  bool button_enabled_while_open = true;
  QString box_text;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    box_text = box->text();
    button_enabled_while_open = window_->按钮自动更新->isEnabled();
    box->button(QMessageBox::Ok)->click();
  });
  closer.start(50);
  window_->按钮自动更新->click();  // returns when the box is closed
  EXPECT_EQ(box_text, QStringLiteral("校对成功！"));
  EXPECT_FALSE(button_enabled_while_open);
  EXPECT_TRUE(window_->按钮自动更新->isEnabled());
  EXPECT_GE(Settings().size(), 3u) << "three manual runs, and maybe background runs of the box's ticks";
  EXPECT_EQ(window_->校准时间标签->text(), QStringLiteral("2026年12月11日08时30分5秒"));
}

}  // namespace
}  // namespace veltrane
