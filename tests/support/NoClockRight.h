// NoClockRight.h: giving up the right to set the system clock.
#pragma once

namespace veltrane::testing {

// Drops CAP_SYS_TIME from this thread's effective, permitted and inheritable
// sets and from the bounding set, then checks that it is gone; aborts when it
// is still there. Call first thing in main, before any thread starts.
void DropClockRight();

// Whether the calling thread may still set the clock.
bool HasClockRight();

}  // namespace veltrane::testing
