#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "platform/QtFlatLook.h"

namespace veltrane {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = LoadMainWindow([this](MainWindow& w) {
      created_before_shown = !w.isVisible();
      OnMainWindowCreated(w);
    });
  }
  void TearDown() override {
    delete window;
    ApplyFlatLook(0);
  }
  MainWindow* window = nullptr;
  bool created_before_shown = false;
};

TEST_F(MainWindowTest, HasTheEightControlsOfTheDescription) {
  struct Row {
    const char* name;
    QRect geometry;
    const char* text;
  };
  const Row rows[] = {
      {"标签1", QRect(8, 16, 80, 24), "原来系统时间："},
      {"系统时间标签", QRect(96, 16, 184, 24), ""},
      {"标签2", QRect(8, 56, 80, 24), "更新后的时间："},
      {"校准时间标签", QRect(96, 56, 184, 24), ""},
      {"按钮自动更新", QRect(169, 96, 67, 32), "自动更新"},
      {"选择框1", QRect(16, 104, 128, 24), "持续校对锁定时间"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto* control = window->findChild<QWidget*>(QString::fromUtf8(r.name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), r.geometry);
    EXPECT_TRUE(control->isVisible());
    EXPECT_TRUE(control->isEnabled());
    const QString text = qobject_cast<QLabel*>(control) ? qobject_cast<QLabel*>(control)->text()
                                                        : qobject_cast<QAbstractButton*>(control)->text();
    EXPECT_EQ(text, QString::fromUtf8(r.text));
  }
  EXPECT_EQ(window->系统时间标签->frameShape(), QFrame::Panel) << "the value labels have a sunken edge";
  EXPECT_EQ(window->系统时间标签->frameShadow(), QFrame::Sunken);
  EXPECT_EQ(window->标签1->frameShape(), QFrame::NoFrame);
  EXPECT_FALSE(window->选择框1->isChecked());
  EXPECT_FALSE(window->按钮自动更新->isDefault());
}

TEST_F(MainWindowTest, IsAFixedCentredWindowWithACloseBoxOnly) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Veltrane软件"));
  EXPECT_EQ(window->frameGeometry().size(), QSize(kOuterWidth, kOuterHeight));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window->frameGeometry().topLeft(),
            QPoint((screen.width() - kOuterWidth) / 2, (screen.height() - kOuterHeight) / 2));
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isMinimized() || window->isMaximized());
}

TEST_F(MainWindowTest, RunsTheCreatedEventBeforeShowing) {
  EXPECT_TRUE(created_before_shown);
  EXPECT_EQ(window->时钟1->Period(), 1000);
  EXPECT_EQ(window->时钟2->Period(), 0) << "时钟2 never ticks";
  EXPECT_NE(dynamic_cast<FlatStyle*>(QApplication::style()), nullptr) << "the flat look of scheme 1";
}

TEST_F(MainWindowTest, TabsBetweenTheButtonAndTheCheckBoxOnly) {
  EXPECT_EQ(window->按钮自动更新->nextInFocusChain(), window->选择框1);
  for (QLabel* label : {window->标签1, window->系统时间标签, window->标签2, window->校准时间标签}) {
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
  }
}

// Saves a picture of the window beside the test program, for a person to look at.
TEST_F(MainWindowTest, SavesAPictureOfTheWindow) {
  window->系统时间标签->setText(QStringLiteral("2013年6月19日14时5分7秒"));
  window->校准时间标签->setText(QStringLiteral("2013年6月19日14时5分8秒"));
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("main-window.png"));
  ASSERT_TRUE(window->grab().save(path));
  std::printf("picture of the window: %s\n", path.toUtf8().constData());
}

}  // namespace
}  // namespace veltrane
