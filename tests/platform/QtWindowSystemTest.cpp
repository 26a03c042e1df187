#include "platform/QtWindowSystem.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <thread>

#include "tests/support/Gbk.h"
#include "tests/support/ProcessUntil.h"

namespace veltrane {
namespace {

using testing::Gbk;

// A window with controls named as the main window's.
struct TestWindow {
  TestWindow() {
    window = new QWidget;
    for (const char* name : {"标签1", "系统时间标签", "标签2", "校准时间标签"}) {
      auto* label = new QLabel(window);
      label->setObjectName(QString::fromUtf8(name));
    }
    auto* button = new QPushButton(window);
    button->setObjectName(QStringLiteral("按钮自动更新"));
    auto* box = new QCheckBox(window);
    box->setObjectName(QStringLiteral("选择框1"));
    window->show();
  }
  QLabel* Label(const char* name) const { return window->findChild<QLabel*>(QString::fromUtf8(name)); }
  QCheckBox* Box() const { return window->findChild<QCheckBox*>(QStringLiteral("选择框1")); }
  QPushButton* Button() const { return window->findChild<QPushButton*>(QStringLiteral("按钮自动更新")); }

  QWidget* window;
};

using testing::ProcessUntil;

TEST(QtWindowSystem, OnTheUiThreadActsDirectly) {
  TestWindow w;
  QtWindowSystem ui(w.window);
  ui.SetLabelText(Control::系统时间标签, Gbk("2013年6月19日14时5分7秒"));
  EXPECT_EQ(w.Label("系统时间标签")->text(), QStringLiteral("2013年6月19日14时5分7秒"));
  EXPECT_FALSE(ui.IsChecked(Control::选择框1));
  w.Box()->setChecked(true);
  EXPECT_TRUE(ui.IsChecked(Control::选择框1));
  ui.SetDisabled(Control::按钮自动更新, true);
  EXPECT_FALSE(w.Button()->isEnabled());
  ui.SetDisabled(Control::按钮自动更新, false);
  EXPECT_TRUE(w.Button()->isEnabled());
  delete w.window;
}

TEST(QtWindowSystem, CarriesOutWorkerCallsOnTheUiThreadWhileTheyWait) {
  TestWindow w;
  QtWindowSystem ui(w.window);
  w.Box()->setChecked(true);
  constexpr int kThreads = 8, kWrites = 50;
  std::atomic<int> finished{0};
  std::atomic<int> checked_reads{0};
  std::vector<std::thread> workers;
  for (int t = 0; t < kThreads; ++t) {
    workers.emplace_back([&, t] {
      for (int i = 0; i < kWrites; ++i) {
        const std::string text = std::to_string(t) + ":" + std::to_string(i);
        ui.SetLabelText(Control::校准时间标签, text);
        checked_reads += ui.IsChecked(Control::选择框1);
      }
      ui.SetLabelText(Control::校准时间标签, "done " + std::to_string(t));
      ++finished;
    });
  }
  EXPECT_TRUE(ProcessUntil([&] { return finished == kThreads; }));
  for (auto& t : workers) t.join();
  EXPECT_EQ(checked_reads, kThreads * kWrites);
  EXPECT_TRUE(w.Label("校准时间标签")->text().startsWith(QStringLiteral("done "))) << "the last write taken wins";
  delete w.window;
}

TEST(QtWindowSystem, DoesNothingOnceTheWindowIsGone) {
  TestWindow w;
  QtWindowSystem ui(w.window);
  w.Box()->setChecked(true);
  delete w.window;
  EXPECT_TRUE(ui.WindowGone());
  std::atomic<bool> returned{false};
  std::thread worker([&] {
    ui.SetLabelText(Control::系统时间标签, "late");
    EXPECT_FALSE(ui.IsChecked(Control::选择框1)) << "a box that is gone reads unchecked";
    ui.SetDisabled(Control::按钮自动更新, true);
    returned = true;
  });
  worker.join();  // no event is handled here: the calls must not wait for the UI thread
  EXPECT_TRUE(returned);
}

TEST(QtWindowSystem, ProcessEventsNeverWaits) {
  TestWindow w;
  QtWindowSystem ui(w.window);
  QCoreApplication::processEvents();
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < 100; ++i) ui.ProcessEvents();
  EXPECT_LT(timer.elapsed(), 1000) << "with an empty queue it returns at once";

  int ticks = 0;
  QTimer::singleShot(0, [&] { ++ticks; });
  ui.ProcessEvents();
  EXPECT_EQ(ticks, 1) << "what is pending is handled";

  std::thread worker([&] {
    QElapsedTimer t;
    t.start();
    ui.ProcessEvents();
    EXPECT_LT(t.elapsed(), 100) << "on a worker it returns at once";
  });
  worker.join();
  delete w.window;
}

TEST(QtWindowSystem, WaitForEventsHandlesEventsOnTheUiThreadAndSleepsOnAWorker) {
  TestWindow w;
  QtWindowSystem ui(w.window);
  QElapsedTimer timer;
  timer.start();
  qint64 fired_at = -1;
  QTimer::singleShot(50, [&] { fired_at = timer.elapsed(); });
  ui.WaitForEvents(200);
  EXPECT_GE(timer.elapsed(), 200);
  EXPECT_GE(fired_at, 40) << "a timer that came due during the wait ran during it";
  EXPECT_LT(fired_at, 190);

  std::thread worker([&] {
    QElapsedTimer t;
    t.start();
    ui.WaitForEvents(100);
    EXPECT_GE(t.elapsed(), 100);
    ui.WaitForEvents(0);
    ui.WaitForEvents(-5);
    EXPECT_LT(t.elapsed(), 150) << "no time at all returns at once";
  });
  worker.join();
  delete w.window;
}

QMessageBox* OpenBox() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
  }
  return nullptr;
}

TEST(QtWindowSystem, AWorkersBoxLeavesTheMainWindowUsable) {
  TestWindow w;
  QtWindowSystem ui(w.window);
  std::atomic<int> result{-1};
  std::thread worker([&] { result = ui.ShowMessage(Gbk("校对成功！"), kMessageOk, gbk::kMessageTitle); });
  ASSERT_TRUE(ProcessUntil([] { return OpenBox() != nullptr; }));
  QMessageBox* box = OpenBox();
  EXPECT_EQ(box->text(), QStringLiteral("校对成功！"));
  EXPECT_EQ(box->windowTitle(), QStringLiteral("信息："));
  EXPECT_EQ(box->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the main window takes input";
  EXPECT_EQ(result, -1) << "the worker waits while the box is open";
  ui.SetLabelText(Control::系统时间标签, "still moving");
  EXPECT_EQ(w.Label("系统时间标签")->text(), QStringLiteral("still moving"));
  box->button(QMessageBox::Ok)->click();
  ASSERT_TRUE(ProcessUntil([&] { return result != -1; }));
  worker.join();
  EXPECT_EQ(result, kOk);
  delete w.window;
}

TEST(QtWindowSystem, ABoxOnTheUiThreadIsModalWhileTimersGoOn) {
  TestWindow w;
  QtWindowSystem ui(w.window);
  int ticks_while_open = 0;
  QWidget* modal_seen = nullptr;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    if (QMessageBox* box = OpenBox()) {
      ++ticks_while_open;
      modal_seen = QApplication::activeModalWidget();
      ui.SetLabelText(Control::系统时间标签, std::to_string(ticks_while_open));
      if (ticks_while_open == 3) box->button(QMessageBox::Yes)->click();
    }
  });
  ticker.start(20);
  const int result = ui.ShowMessage("question", 4 /* yes, no */, "title");
  EXPECT_EQ(result, kYes);
  EXPECT_EQ(ticks_while_open, 3);
  EXPECT_NE(modal_seen, nullptr) << "task-modal: the main window takes no input";
  EXPECT_EQ(w.Label("系统时间标签")->text(), QStringLiteral("3"));
  delete w.window;
}

}  // namespace
}  // namespace veltrane
