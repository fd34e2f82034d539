#pragma once

#include "veille/desktopidleaction.h"

#include <QString>
#include <optional>

class ShowLauncher;

// What the dialog's idle-start group asks of the session it runs in.
class IdleSetup {
public:
    virtual ~IdleSetup() = default;
    // An idle source answers, so that the idle watcher could run in this session.
    virtual bool idleSourceAnswers() = 0;
    // A screen-saver host runs for this user and display, and starts its programs itself.
    virtual bool hostRunning() = 0;
    // The desktop's own blanking or lock, where it can be read.
    virtual std::optional<DesktopIdleAction> desktopAction() = 0;
    // The executable the watcher's autostart entry runs.
    virtual QString program() = 0;
    // The show, for the user to try it now.
    virtual ShowLauncher& show() = 0;
};
