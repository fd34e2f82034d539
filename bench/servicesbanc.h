#pragma once

#include "platform/clock.h"
#include "platform/desktopservicesdesktop.h"
#include "platform/dialogfilechooser.h"
#include "platform/inisettingsstore.h"
#include "platform/lockfileinstancelock.h"
#include "platform/messageboxprompts.h"
#include "platform/nulldesktopwallpaper.h"
#include "platform/pictures.h"
#include "platform/randomsource.h"
#include "platform/services.h"
#include "platform/sessionidlesetup.h"
#include "platform/standinregistry.h"
#include "platform/x11windowhost.h"

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
    SessionIdleSetup idle;
    Services services{settings, registry, instance, pictures, windowHost, clock,
                      random,   prompts,  files,    desktop,  wallpaper,  idle};
};
