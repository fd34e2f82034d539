#include "veille/busidlesource.h"

#include <QDBusConnection>

BusIdleSource::BusIdleSource(const QString& service)
    : m_owner(service, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForUnregistration) {
    connect(&m_owner, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        stopWatchingActivity();
        emit stoppedAnswering();
    });
}

std::unique_ptr<IdleSource> BusIdleSource::ifAnswering(std::unique_ptr<IdleSource> source) {
    if (!source->idleTime())
        return nullptr;
    return source;
}
