#include "veille/sessionidlesetup.h"

#include "veille/idlesource.h"
#include "veille/procscreensaverhosts.h"

#include <QCoreApplication>
#include <QGuiApplication>

SessionIdleSetup::SessionIdleSetup()
    : m_show(QCoreApplication::applicationFilePath(), {QStringLiteral("/S")}) {}

bool SessionIdleSetup::idleSourceAnswers() {
    return createIdleSource() != nullptr;
}

bool SessionIdleSetup::hostRunning() {
    return ProcScreenSaverHosts().hostRunning();
}

std::optional<DesktopIdleAction> SessionIdleSetup::desktopAction() {
    // Qt may reach XWayland in a Wayland session: that X server blanks nothing anyone sees.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb") &&
                     qEnvironmentVariable("XDG_SESSION_TYPE") != QLatin1String("wayland");
    return readDesktopIdleAction(qEnvironmentVariable("XDG_CURRENT_DESKTOP"), x11);
}

QString SessionIdleSetup::program() {
    return QCoreApplication::applicationFilePath();
}
