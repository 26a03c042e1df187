// The fatal error report ends the process, so each case runs in a child
// process (a death test): it shows the box, the test's timer reads and closes
// it, and the child must end with status 255.
#include "app/QtRuntimeErrorReport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <thread>

#include "app/RuntimeErrorText.h"
#include "convert/Number.h"
#include "tests/support/Gbk.h"

namespace veltrane {
namespace {

[[noreturn]] void EndProgram(int code) {
  std::fflush(nullptr);
  _exit(code);
}

// Closes the first error box that opens and writes what it said to stderr
// (with \r and \n made visible), and whether the main window could take input.
void CloseTheErrorBoxSoon(QWidget* main_window) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [main_window] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->isVisible()) continue;
      QString text = box->text();
      text.replace("\r", "\\r").replace("\n", "\\n");
      std::fprintf(stderr, "title=%s icon=%d modal=%d main_enabled=%d text=%s\n", box->windowTitle().toUtf8().constData(),
                   static_cast<int>(box->icon()), QApplication::activeModalWidget() != nullptr,
                   main_window->isEnabled(), text.toUtf8().constData());
      box->button(QMessageBox::Ok)->click();
    }
  });
  poll->start(20);
}

void DivideByZeroOnThe(bool worker) {
  auto* window = new QWidget;
  window->show();
  QtWindowSystem ui(window);
  QtRuntimeErrorReport report(ui, [](int code) { EndProgram(code); });
  CloseTheErrorBoxSoon(window);
  if (worker) {
    std::thread([&] { IntegerDivide(5, {0}, report); }).detach();
    QApplication::exec();
  } else {
    IntegerDivide(5, {0}, report);
  }
}

TEST(RuntimeErrorReportDeathTest, DivisionByZeroOnTheUiThreadShowsTheBoxAndEndsWith255) {
  EXPECT_EXIT(DivideByZeroOnThe(false), ::testing::ExitedWithCode(255),
              "title=错误 icon=3 modal=0 main_enabled=1 "
              "text=运行时出错!\\\\r\\\\n\\\\r\\\\n错误信息：不能整除于零\\\\r\\\\n");
}

TEST(RuntimeErrorReportDeathTest, AReportOnAWorkerLeavesTheWindowUsableAndEndsWith255) {
  EXPECT_EXIT(DivideByZeroOnThe(true), ::testing::ExitedWithCode(255), "modal=0 main_enabled=1 .*不能整除于零");
}

TEST(RuntimeErrorBoxText, LaysOutCodeAndMessage) {
  using testing::Utf8;
  EXPECT_EQ(Utf8(RuntimeErrorBoxText(0, testing::Gbk("不能整除于零"))), "运行时出错!\r\n\r\n错误信息：不能整除于零\r\n");
  EXPECT_EQ(Utf8(RuntimeErrorBoxText(1, RuntimeErrorMessageOf(1))),
            "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n");
  EXPECT_EQ(Utf8(RuntimeErrorBoxText(-7, "")), "运行时出错!\r\n\r\n错误代码：-7\r\n\r\n");
  EXPECT_EQ(Utf8(RuntimeErrorBoxText(0, "")), "运行时出错!\r\n\r\n");
}

}  // namespace
}  // namespace veltrane
