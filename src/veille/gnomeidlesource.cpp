#include "veille/gnomeidlesource.h"

#include "veille/dbuscall.h"

namespace {

const QString gnomeService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString gnomePath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");

} // namespace

GnomeIdleSource::GnomeIdleSource() : BusIdleSource(gnomeService) {}

std::unique_ptr<IdleSource> GnomeIdleSource::create() {
    return ifAnswering(std::unique_ptr<IdleSource>(new GnomeIdleSource));
}

std::optional<std::chrono::milliseconds> GnomeIdleSource::idleTime() {
    const auto ms = callService<qulonglong>(gnomeService, gnomePath, QStringLiteral("GetIdletime"));
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
    const auto id =
        callService<uint>(gnomeService, gnomePath, QStringLiteral("AddUserActiveWatch"));
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
