#include "tests/support/TestProcess.h"

#include <cstdlib>

#include "tests/support/NoClockRight.h"

namespace veltrane::testing {

void IsolateTestProcess() {
  DropClockRight();
  setenv("DBUS_SYSTEM_BUS_ADDRESS", kNowhereBus, 1);
  setenv("no_proxy", "*", 1);
  setenv("NO_PROXY", "*", 1);
}

}  // namespace veltrane::testing
