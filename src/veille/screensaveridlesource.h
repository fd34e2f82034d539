#pragma once

#include "veille/busidlesource.h"

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
