// TimedatedClockSetter.h: asks systemd-timedated on the system D-Bus to set
// the clock (org.freedesktop.timedate1.SetTime, absolute, interactive so that
// polkit can ask the user). The bus is the one DBUS_SYSTEM_BUS_ADDRESS names,
// else the system's.
#pragma once

#include "platform/SystemClock.h"

namespace veltrane {

class TimedatedClockSetter : public PrivilegedClockSetter {
 public:
  bool SetRealtime(std::int64_t usec_utc) override;
};

}  // namespace veltrane
