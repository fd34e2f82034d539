#pragma once

#include "platform/idlesource.h"

#include <QString>

// GNOME's idle monitor (org.gnome.Mutter.IdleMonitor, on X11 and Wayland): the idle time in
// milliseconds, and a watch that fires at the next input.
class GnomeIdleSource final : public IdleSource {
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
    GnomeIdleSource() = default;
    uint m_watch = 0;
};

// The freedesktop ScreenSaver interface's GetSessionIdleTime, as KDE Plasma answers it (in
// milliseconds).
class ScreenSaverIdleSource final : public IdleSource {
    Q_OBJECT
public:
    static std::unique_ptr<IdleSource> create();

    QString name() const override { return QStringLiteral("ScreenSaver"); }
    std::optional<std::chrono::milliseconds> idleTime() override;
};
