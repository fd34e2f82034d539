#pragma once

#include "desktop/desktopwallpaper.h"

#include <QString>
#include <QStringList>
#include <memory>

// What the choice of a wallpaper backend depends on, read once at start.
struct DesktopSession {
    // XDG_CURRENT_DESKTOP: a colon list; the first name known here decides.
    QString currentDesktop;
    // The session shows X11 windows: its root window is a way of last resort.
    bool x11 = false;
    // SWAYSOCK is set: a sway (wlroots) compositor draws the desktop and takes commands.
    bool swaySocket = false;
    // The names of the screens' outputs (QScreen::name()): XFCE keys its settings by them.
    QStringList outputs;
};

// The wallpaper backend of this session.
std::unique_ptr<DesktopWallpaper> createDesktopWallpaper(const DesktopSession& session);
