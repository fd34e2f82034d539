#include "app/platformservices.h"

#include "desktop/desktopwallpaperfactory.h"
#include "hote/x11windowhost.h"
#include "pictures/qtpictures.h"
#include "platform/desktopservicesdesktop.h"
#include "platform/dialogfilechooser.h"
#include "platform/inisettingsstore.h"
#include "platform/lockfileinstancelock.h"
#include "platform/messageboxprompts.h"
#include "platform/services.h"
#include "platform/standinregistry.h"
#include "platform/stdrandomsource.h"
#include "platform/systemclock.h"
#include "veille/sessionidlesetup.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

DesktopSession desktopSession() {
    DesktopSession session;
    session.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    // Qt may reach XWayland in a Wayland session, whose root window nobody sees.
    session.x11 = QGuiApplication::platformName() == QLatin1String("xcb") &&
                  qEnvironmentVariable("XDG_SESSION_TYPE") != QLatin1String("wayland");
    session.swaySocket = !qEnvironmentVariableIsEmpty("SWAYSOCK");
    for (const QScreen* screen : QGuiApplication::screens())
        session.outputs << screen->name();
    return session;
}

class LinuxServices : public PlatformServices {
public:
    Services& services() override { return m_services; }

private:
    IniSettingsStore m_settings;
    StandInRegistry m_registry;
    LockFileInstanceLock m_instance;
    QtPictures m_pictures;
    X11WindowHost m_windowHost;
    SystemClock m_clock;
    StdRandomSource m_random;
    MessageBoxPrompts m_prompts;
    DialogFileChooser m_files;
    DesktopServicesDesktop m_desktop;
    const DesktopSession m_session = desktopSession();
    std::unique_ptr<DesktopWallpaper> m_wallpaper = createDesktopWallpaper(m_session);
    SessionIdleSetup m_idle{m_session.currentDesktop, m_session.x11};
    Services m_services{m_settings, m_registry, m_instance, m_pictures, m_windowHost, m_clock,
                        m_random,   m_prompts,  m_files,    m_desktop,  *m_wallpaper, m_idle};
};

} // namespace

std::unique_ptr<PlatformServices> createPlatformServices() {
    return std::make_unique<LinuxServices>();
}
