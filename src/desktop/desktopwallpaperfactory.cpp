#include "desktop/desktopwallpaperfactory.h"

#include "desktop/commandwallpaper.h"
#include "desktop/fallbackwallpaper.h"
#include "desktop/gsettingswallpaper.h"
#include "desktop/nulldesktopwallpaper.h"
#include "desktop/rootwindowwallpaper.h"
#include "desktop/xfcewallpaper.h"

namespace {

// The backend of the first desktop name known here; null when none is.
std::unique_ptr<DesktopWallpaper> desktopBackend(const DesktopSession& session) {
    using G = GSettingsWallpaper::Desktop;
    using C = CommandWallpaper::Desktop;
    // The compositor that draws the desktop decides, whatever name the session borrows.
    if (session.swaySocket)
        return std::make_unique<CommandWallpaper>(C::Sway);
    for (const QString& name : session.currentDesktop.toLower().split(u':', Qt::SkipEmptyParts)) {
        const QString n = name.trimmed();
        if (n == u"gnome" || n == u"gnome-classic" || n == u"gnome-flashback" || n == u"unity" ||
            n == u"budgie" || n == u"budgie-desktop")
            return std::make_unique<GSettingsWallpaper>(G::Gnome);
        if (n == u"x-cinnamon" || n == u"cinnamon")
            return std::make_unique<GSettingsWallpaper>(G::Cinnamon);
        if (n == u"mate")
            return std::make_unique<GSettingsWallpaper>(G::Mate);
        if (n == u"kde")
            return std::make_unique<CommandWallpaper>(C::Plasma);
        if (n == u"lxqt")
            return std::make_unique<CommandWallpaper>(C::LxQt);
        if (n == u"lxde")
            return std::make_unique<CommandWallpaper>(C::Lxde);
        if (n == u"xfce")
            return std::make_unique<XfceWallpaper>(session.outputs);
    }
    return nullptr;
}

} // namespace

std::unique_ptr<DesktopWallpaper> createDesktopWallpaper(const DesktopSession& session) {
    std::unique_ptr<DesktopWallpaper> desktop = desktopBackend(session);
    if (!session.x11)
        return desktop ? std::move(desktop) : std::make_unique<NullDesktopWallpaper>();
    // On X11 the root window shows wherever no desktop window covers it.
    auto root = std::make_unique<RootWindowWallpaper>();
    if (!desktop)
        return root;
    return std::make_unique<FallbackWallpaper>(std::move(desktop), std::move(root));
}
