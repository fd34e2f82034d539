#pragma once

#include "desktop/toolwallpaper.h"

// Desktops told by one command, with a mode that fills the screen where the command takes one:
// KDE Plasma (plasma-apply-wallpaperimage), LXQt (pcmanfm-qt), LXDE (pcmanfm) and sway or
// another compositor that answers sway's socket (swaymsg).
class CommandWallpaper final : public ToolWallpaper {
public:
    enum class Desktop { Plasma, LxQt, Lxde, Sway };
    explicit CommandWallpaper(Desktop desktop) : m_desktop(desktop) {}
    bool setWallpaper(const QString& picture) override;

private:
    Desktop m_desktop;
};

// `path` as one word of sway's command language; empty when it has a line break, which that
// language cannot hold.
QString swayWord(const QString& path);
