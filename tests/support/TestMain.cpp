// The main of every test program. Before anything else, and before any thread
// exists, it gives up the right to set the clock (CAP_SYS_TIME) for good, so
// that no test, even a mistaken one, can change this machine's time. The
// system D-Bus is pointed at nowhere, so that nothing can ask timedated either.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/NoClockRight.h"

int main(int argc, char** argv) {
  veltrane::testing::DropClockRight();
  setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/veltrane-test-bus", 1);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
  return RUN_ALL_TESTS();
}
