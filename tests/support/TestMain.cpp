// The main of every test program. Before anything else, and before any thread
// exists, it gives up the right to set the clock (CAP_SYS_TIME) for good, so
// that no test, even a mistaken one, can change this machine's time. The
// system D-Bus is pointed at nowhere, so that nothing can ask timedated either,
// and HTTP goes to loopback without a proxy.
#include <gtest/gtest.h>

#include "tests/support/TestProcess.h"

int main(int argc, char** argv) {
  veltrane::testing::IsolateTestProcess();
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
  return RUN_ALL_TESTS();
}
