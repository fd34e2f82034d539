#include "veille/sessionidlesetup.h"

#include "veille/idlesource.h"
#include "veille/procscreensaverhosts.h"

#include <QCoreApplication>

SessionIdleSetup::SessionIdleSetup(QString bureau, bool x11)
    : m_show(QCoreApplication::applicationFilePath(), {QStringLiteral("/S")}),
      m_bureau(std::move(bureau)), m_x11(x11) {}

bool SessionIdleSetup::idleSourceAnswers() {
    return createIdleSource() != nullptr;
}

bool SessionIdleSetup::hostRunning() {
    return ProcScreenSaverHosts().hostRunning();
}

std::optional<DesktopIdleAction> SessionIdleSetup::desktopAction() {
    return readDesktopIdleAction(m_bureau, m_x11);
}

QString SessionIdleSetup::program() {
    return QCoreApplication::applicationFilePath();
}
