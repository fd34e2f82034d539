#pragma once

#include "veille/childshowlauncher.h"
#include "veille/idlesetup.h"

// IdleSetup of the running session: the watcher's own idle sources, /proc for the hosts, the
// desktop's own tools for its delay, and this executable's /S as a child process.
class SessionIdleSetup final : public IdleSetup {
public:
    // `bureau`: XDG_CURRENT_DESKTOP; `x11`: the session draws on a real X server (not XWayland).
    SessionIdleSetup(QString bureau, bool x11);

    bool idleSourceAnswers() override;
    bool hostRunning() override;
    std::optional<DesktopIdleAction> desktopAction() override;
    QString program() override;
    ShowLauncher& show() override { return m_show; }

private:
    ChildShowLauncher m_show;
    QString m_bureau;
    bool m_x11;
};
