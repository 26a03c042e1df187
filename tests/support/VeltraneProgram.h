// VeltraneProgram.h: how tests start the real program: without the right to
// set the clock (setpriv drops it), with --dry-run, offscreen, without the
// system bus and without a proxy. The including test target defines
// VELTRANE_BINARY, the program's path.
#pragma once

#include <string>
#include <vector>

#include "tests/support/TestProcess.h"

namespace veltrane::testing {

// The command line that starts the program with args.
inline std::vector<std::string> Veltrane(const std::vector<std::string>& args) {
  std::vector<std::string> argv = {"/usr/bin/setpriv", "--inh-caps=-sys_time", "--bounding-set=-sys_time",
                                   VELTRANE_BINARY, "--dry-run"};
  argv.insert(argv.end(), args.begin(), args.end());
  return argv;
}

// The environment it runs in.
inline const std::vector<std::string> kProgramEnvironment = {
    "QT_QPA_PLATFORM=offscreen", std::string("DBUS_SYSTEM_BUS_ADDRESS=") + kNowhereBus, "no_proxy=*"};

}  // namespace veltrane::testing
