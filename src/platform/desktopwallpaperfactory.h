#pragma once

#include "platform/desktopwallpaper.h"

#include <QString>
#include <memory>

// The wallpaper backend of this session. On Linux `currentDesktop` is XDG_CURRENT_DESKTOP (a
// colon list; the first name known here decides) and `x11Display` tells whether an X server is
// reachable for sessions with no known desktop. Windows has one backend and ignores both.
std::unique_ptr<DesktopWallpaper> createDesktopWallpaper(const QString& currentDesktop,
                                                         bool x11Display);
