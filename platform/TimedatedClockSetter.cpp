#include "platform/TimedatedClockSetter.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace veltrane {

bool TimedatedClockSetter::SetRealtime(std::int64_t usec_utc) {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return false;
  QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.timedate1"),
                                                     QStringLiteral("/org/freedesktop/timedate1"),
                                                     QStringLiteral("org.freedesktop.timedate1"),
                                                     QStringLiteral("SetTime"));
  call << static_cast<qlonglong>(usec_utc) << false << true;  // absolute, interactive
  call.setInteractiveAuthorizationAllowed(true);
  const int two_minutes = 120000;  // room for a password prompt
  return bus.call(call, QDBus::Block, two_minutes).type() == QDBusMessage::ReplyMessage;
}

}  // namespace veltrane
