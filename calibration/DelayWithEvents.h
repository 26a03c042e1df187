// DelayWithEvents.h: the background run's one-second wait.
#pragma once

#include <cstdint>

#include "platform/Clock.h"
#include "platform/WindowSystem.h"

namespace veltrane {

// Returns at the first check that finds the uptime counter more than ms past
// its first reading; ms <= 0 returns at once, handling nothing. The deadline
// is the first reading + ms modulo 2^32 and is compared unsigned, so a wait
// that begins less than ms below 2^32 returns after its first check. Each
// pass handles the pending events twice before and twice after its check
// and then waits (ui.WaitForEvents) until the deadline: on the UI thread
// events are handled as they come, a worker sleeps. It never spins.
void DelayWithEvents(std::int32_t ms, Clock& clock, WindowSystem& ui);

}  // namespace veltrane
