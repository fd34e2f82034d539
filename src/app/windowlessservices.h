#pragma once

#include "platform/instancelock.h"
#include "platform/settingsstore.h"

#include <memory>

// What a start that opens no window needs: it runs without a window system, and with only a
// core application object.
struct WindowlessServices {
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<InstanceLock> instance;
};

WindowlessServices createWindowlessServices();
