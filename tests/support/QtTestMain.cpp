// The main of the test programs that need a QApplication. Like TestMain, it
// first gives up the right to set the clock; it also points the system D-Bus
// at nowhere (a test that wants a bus starts its own), and runs Qt on its
// offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "tests/support/NoClockRight.h"

int main(int argc, char** argv) {
  veltrane::testing::DropClockRight();
  setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/veltrane-test-bus", 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
