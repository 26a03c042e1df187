// TestProcess.h: what every test program does first, so that no test can
// reach beyond this machine's loopback or change its clock.
#pragma once

namespace veltrane::testing {

// The system D-Bus address the tests use: nowhere. A test that wants a bus
// starts its own.
inline constexpr char kNowhereBus[] = "unix:path=/nonexistent/veltrane-test-bus";

// Gives up the right to set the clock for good (aborts when it cannot),
// points the system D-Bus at nowhere and turns HTTP proxies off, so that
// requests to 127.0.0.1 go straight there. Call first thing in main, before
// any thread starts.
void IsolateTestProcess();

}  // namespace veltrane::testing
