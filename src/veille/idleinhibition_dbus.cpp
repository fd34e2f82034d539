#include "veille/dbuscall.h"
#include "veille/idleinhibition.h"

#include <QDBusConnectionInterface>
#include <optional>

namespace {

// Only a service that runs is asked: the bus would otherwise start one just to answer.
std::optional<bool> ask(const QString& service, const QString& path, const QString& iface,
                        const QString& method, const QVariantList& arguments) {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(service).value())
        return std::nullopt;
    return callSessionBus<bool>(service, path, iface, method, arguments);
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
