#include "calibration/DelayWithEvents.h"

#include <algorithm>
#include <cstdint>

namespace veltrane {

void DelayWithEvents(std::int32_t ms, Clock& clock, WindowSystem& ui) {
  if (ms <= 0) return;
  const std::uint32_t deadline = static_cast<std::uint32_t>(clock.UptimeMs()) + static_cast<std::uint32_t>(ms);
  for (;;) {
    ui.ProcessEvents();
    ui.ProcessEvents();
    const std::uint32_t now = static_cast<std::uint32_t>(clock.UptimeMs());
    if (now > deadline) return;
    ui.ProcessEvents();
    ui.ProcessEvents();
    // now <= deadline, so the rest is 0..ms; one more ms passes the deadline.
    const std::uint32_t rest = deadline - now + 1;
    ui.WaitForEvents(static_cast<std::int32_t>(std::min<std::uint32_t>(rest, INT32_MAX)));
  }
}

}  // namespace veltrane
