#include "platform/idleinhibition.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <optional>

namespace {

// Short: the answer comes from a local service, and a hung one must not hold the watcher.
constexpr int timeoutMs = 1000;

std::optional<bool> ask(const QString& service, const QString& path, const QString& iface,
                        const QString& method, const QVariantList& arguments) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(service).value())
        return std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, iface, method);
    call.setArguments(arguments);
    const QDBusReply<bool> reply = bus.call(call, QDBus::Block, timeoutMs);
    if (!reply.isValid())
        return std::nullopt;
    return reply.value();
}

} // namespace

bool sessionInhibitsIdle() {
    // GsmInhibitorFlag: 8 is "idle".
    if (const auto gnome = ask(QStringLiteral("org.gnome.SessionManager"),
                               QStringLiteral("/org/gnome/SessionManager"),
                               QStringLiteral("org.gnome.SessionManager"),
                               QStringLiteral("IsInhibited"), {QVariant::fromValue(8u)}))
        return *gnome;
    const QString pm = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");
    return ask(pm, QStringLiteral("/org/freedesktop/PowerManagement/Inhibit"), pm,
               QStringLiteral("HasInhibit"), {})
        .value_or(false);
}
