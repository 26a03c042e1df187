// The main of the test programs that need a QApplication. Like TestMain, it
// first isolates the process (no right to set the clock, no system bus, no
// proxy), and runs Qt on its offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "tests/support/TestProcess.h"

int main(int argc, char** argv) {
  veltrane::testing::IsolateTestProcess();
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
