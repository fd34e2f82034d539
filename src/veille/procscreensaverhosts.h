#pragma once

#include "veille/screensaverhosts.h"

// Reads the processes of this user in /proc; a host counts when it runs on our DISPLAY.
class ProcScreenSaverHosts final : public ScreenSaverHosts {
public:
    bool hostRunning() const override;
};
