#pragma once

#include "desktop/nulldesktopwallpaper.h"
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

// The real services, but with the settings in a file of the bench's own and the desktop's
// wallpaper left alone: a bench must not change the machine it measures on.
struct ServicesBanc {
    explicit ServicesBanc(const QString& fichierReglages) : settings(fichierReglages) {}
    ServicesBanc(const ServicesBanc&) = delete;
    ServicesBanc& operator=(const ServicesBanc&) = delete;

    IniSettingsStore settings;
    StandInRegistry registry;
    LockFileInstanceLock instance;
    QtPictures pictures;
    X11WindowHost windowHost;
    SystemClock clock;
    StdRandomSource random;
    MessageBoxPrompts prompts;
    DialogFileChooser files;
    DesktopServicesDesktop desktop;
    NullDesktopWallpaper wallpaper;
    SessionIdleSetup idle{QString(), false}; // no desktop: a bench never reads its delay
    Services services{settings, registry, instance, pictures, windowHost, clock,
                      random,   prompts,  files,    desktop,  wallpaper,  idle};
};
