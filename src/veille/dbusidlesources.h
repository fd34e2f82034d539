#pragma once

#include "veille/idlesource.h"

#include <QDBusServiceWatcher>
#include <QString>

// A source that answers on the session bus. Its name leaving the bus (the service ended, or
// restarts) is reported at once, whatever the watcher is doing: a watch set there would never
// fire, and a long wait would hide the loss.
class BusIdleSource : public IdleSource {
    Q_OBJECT
protected:
    explicit BusIdleSource(const QString& service);

private:
    QDBusServiceWatcher m_owner;
};

// GNOME's idle monitor (org.gnome.Mutter.IdleMonitor, on X11 and Wayland): the idle time in
// milliseconds, and a watch that fires at the next input.
class GnomeIdleSource final : public BusIdleSource {
    Q_OBJECT
public:
    // Nothing when the monitor does not answer on the session bus.
    static std::unique_ptr<IdleSource> create();

    QString name() const override { return QStringLiteral("GNOME"); }
    std::optional<std::chrono::milliseconds> idleTime() override;
    void watchForActivity() override;
    void stopWatchingActivity() override;

private slots:
    void watchFired(uint id);

private:
    GnomeIdleSource();
    uint m_watch = 0;
};

// The freedesktop ScreenSaver interface's GetSessionIdleTime, read in milliseconds as KDE Plasma
// answers it. Not asked in an X11 session, where the name's owner may answer in another unit
// (light-locker in seconds) and the X server counts the same inputs.
class ScreenSaverIdleSource final : public BusIdleSource {
    Q_OBJECT
public:
    static std::unique_ptr<IdleSource> create();

    QString name() const override { return QStringLiteral("ScreenSaver"); }
    std::optional<std::chrono::milliseconds> idleTime() override;

private:
    ScreenSaverIdleSource();
};
