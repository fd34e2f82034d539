#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QString>
#include <QVariantList>
#include <optional>

// A blocking call on the session bus. The time-out is short: the answers come from local
// services, and a hung one must not hold the idle watcher. Nothing when there is no bus or no
// valid answer.
template <typename T>
std::optional<T> callSessionBus(const QString& service, const QString& path, const QString& iface,
                                const QString& method, const QVariantList& arguments = {}) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, iface, method);
    call.setArguments(arguments);
    const QDBusReply<T> reply = bus.call(call, QDBus::Block, 1000);
    if (!reply.isValid())
        return std::nullopt;
    return reply.value();
}

// A method of the interface named as its service, the usual case of the desktops' services.
template <typename T>
std::optional<T> callService(const QString& service, const QString& path, const QString& method) {
    return callSessionBus<T>(service, path, service, method);
}
