#pragma once

#include "platform/instancelock.h"
#include "platform/settingsstore.h"

#include <memory>

struct Services;

// Every real service of the running system, owned together for the whole run. One file per
// system builds them (platformservices_linux.cpp, …), chosen by the build.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;
    virtual Services& services() = 0;
};

// Needs the application object: some services ask it which display they run on.
std::unique_ptr<PlatformServices> createPlatformServices();

// What a start that opens no window needs: it runs without a window system, and with only a
// core application object.
struct WindowlessServices {
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<InstanceLock> instance;
};

WindowlessServices createWindowlessServices();
