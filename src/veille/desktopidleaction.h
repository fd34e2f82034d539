#pragma once

#include <QString>
#include <chrono>
#include <optional>

// What the desktop does by itself once the user has been idle for a while: it blanks the
// screen, or locks it.
struct DesktopIdleAction {
    std::chrono::seconds after{0};
    bool locks = false;
    bool operator==(const DesktopIdleAction&) const = default;
};

// The desktop's earliest action, read with the desktop's own tools: GNOME and Cinnamon through
// gsettings (the session's idle-delay, and whether the screen saver locks), KDE Plasma from
// kscreenlockerrc ([Daemon] Timeout in minutes, Autolock), and on X11 the X server's own
// screen-saver timeout (`xset q`). Nothing when none of them would act, or none could be read.
// `currentDesktop` is XDG_CURRENT_DESKTOP (a colon list); `x11` whether the session is X11.
std::optional<DesktopIdleAction> readDesktopIdleAction(const QString& currentDesktop, bool x11);
