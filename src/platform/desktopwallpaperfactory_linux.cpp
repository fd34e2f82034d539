#include "platform/desktopwallpaper_linux.h"
#include "platform/desktopwallpaper_x11.h"
#include "platform/desktopwallpaperfactory.h"
#include "platform/nulldesktopwallpaper.h"

std::unique_ptr<DesktopWallpaper> createDesktopWallpaper(const QString& currentDesktop,
                                                         bool x11Display) {
    using G = GSettingsWallpaper::Desktop;
    for (const QString& name : currentDesktop.toLower().split(u':', Qt::SkipEmptyParts)) {
        const QString n = name.trimmed();
        if (n == u"gnome" || n == u"gnome-classic" || n == u"gnome-flashback" || n == u"unity" ||
            n == u"budgie" || n == u"budgie-desktop")
            return std::make_unique<GSettingsWallpaper>(G::Gnome);
        if (n == u"x-cinnamon" || n == u"cinnamon")
            return std::make_unique<GSettingsWallpaper>(G::Cinnamon);
        if (n == u"mate")
            return std::make_unique<GSettingsWallpaper>(G::Mate);
        if (n == u"kde")
            return std::make_unique<PlasmaWallpaper>();
        if (n == u"xfce")
            return std::make_unique<XfceWallpaper>();
    }
    if (x11Display)
        return std::make_unique<RootWindowWallpaper>();
    return std::make_unique<NullDesktopWallpaper>();
}
