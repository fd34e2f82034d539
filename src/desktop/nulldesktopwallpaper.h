#pragma once

#include "desktop/desktopwallpaper.h"

// For desktops the program cannot reach: every request fails.
class NullDesktopWallpaper final : public DesktopWallpaper {
public:
    bool setWallpaper(const QString&) override { return false; }
};
