#include "veille/dbusidlesources.h"

#include "veille/dbuscall.h"

namespace {

const QString gnomeService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString gnomePath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString saverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString saverPath = QStringLiteral("/org/freedesktop/ScreenSaver");

template <typename T>
std::optional<T> callMethod(const QString& service, const QString& path, const QString& method) {
    return callSessionBus<T>(service, path, service, method);
}

} // namespace

BusIdleSource::BusIdleSource(const QString& service)
    : m_owner(service, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForUnregistration) {
    connect(&m_owner, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        stopWatchingActivity();
        emit stoppedAnswering();
    });
}

GnomeIdleSource::GnomeIdleSource() : BusIdleSource(gnomeService) {}

std::unique_ptr<IdleSource> GnomeIdleSource::create() {
    std::unique_ptr<GnomeIdleSource> source(new GnomeIdleSource);
    if (!source->idleTime())
        return nullptr;
    return source;
}

std::optional<std::chrono::milliseconds> GnomeIdleSource::idleTime() {
    const auto ms = callMethod<qulonglong>(gnomeService, gnomePath, QStringLiteral("GetIdletime"));
    if (!ms)
        return std::nullopt;
    return std::chrono::milliseconds(*ms);
}

void GnomeIdleSource::watchForActivity() {
    stopWatchingActivity();
    // Connecting twice is refused by Qt, so this stays one connection.
    QDBusConnection::sessionBus().connect(gnomeService, gnomePath, gnomeService,
                                          QStringLiteral("WatchFired"), this,
                                          SLOT(watchFired(uint)));
    const auto id = callMethod<uint>(gnomeService, gnomePath, QStringLiteral("AddUserActiveWatch"));
    if (id)
        m_watch = *id;
    else
        IdleSource::watchForActivity();
}

void GnomeIdleSource::stopWatchingActivity() {
    IdleSource::stopWatchingActivity();
    if (m_watch == 0)
        return;
    QDBusMessage removal = QDBusMessage::createMethodCall(gnomeService, gnomePath, gnomeService,
                                                          QStringLiteral("RemoveWatch"));
    removal << m_watch;
    QDBusConnection::sessionBus().send(removal);
    m_watch = 0;
}

void GnomeIdleSource::watchFired(uint id) {
    if (id == 0 || id != m_watch)
        return;
    // An active watch fires once and is gone.
    m_watch = 0;
    emit userActive();
}

ScreenSaverIdleSource::ScreenSaverIdleSource() : BusIdleSource(saverService) {}

std::unique_ptr<IdleSource> ScreenSaverIdleSource::create() {
    std::unique_ptr<ScreenSaverIdleSource> source(new ScreenSaverIdleSource);
    if (!source->idleTime())
        return nullptr;
    return source;
}

std::optional<std::chrono::milliseconds> ScreenSaverIdleSource::idleTime() {
    const auto ms = callMethod<uint>(saverService, saverPath, QStringLiteral("GetSessionIdleTime"));
    if (!ms)
        return std::nullopt;
    return std::chrono::milliseconds(*ms);
}
