#pragma once

#include "veille/busidlesource.h"

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
