// fake-timedated: stands in for systemd-timedated on a private bus. It takes
// the name org.freedesktop.timedate1 on the bus that DBUS_SYSTEM_BUS_ADDRESS
// names, prints "ready", then prints each SetTime call as
// "SetTime <usec_utc> <relative> <interactive>" and answers it: with success,
// or with an error when FAKE_TIMEDATED_REFUSE is set. It never sets a clock.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <cstdio>
#include <cstdlib>

namespace {

class Timedated : public QDBusVirtualObject {
 public:
  QString introspect(const QString&) const override {
    return QStringLiteral(
        "<interface name=\"org.freedesktop.timedate1\"><method name=\"SetTime\">"
        "<arg name=\"usec_utc\" type=\"x\" direction=\"in\"/><arg name=\"relative\" type=\"b\" direction=\"in\"/>"
        "<arg name=\"interactive\" type=\"b\" direction=\"in\"/></method></interface>");
  }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.member() != QStringLiteral("SetTime") || message.arguments().size() != 3) return false;
    const QList<QVariant> args = message.arguments();
    std::printf("SetTime %lld %d %d\n", args[0].toLongLong(), args[1].toBool(), args[2].toBool());
    std::fflush(stdout);
    if (std::getenv("FAKE_TIMEDATED_REFUSE")) {
      connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
                                               QStringLiteral("refused")));
    } else {
      connection.send(message.createReply());
    }
    return true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QDBusConnection bus = QDBusConnection::systemBus();
  Timedated timedated;
  if (!bus.isConnected() || !bus.registerService(QStringLiteral("org.freedesktop.timedate1")) ||
      !bus.registerVirtualObject(QStringLiteral("/org/freedesktop/timedate1"), &timedated)) {
    std::fprintf(stderr, "fake-timedated: cannot register on the bus\n");
    return 1;
  }
  std::puts("ready");
  std::fflush(stdout);
  return application.exec();
}
