#include "veille/childshowlauncher.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

ChildShowLauncher::ChildShowLauncher(QString program, QStringList arguments, QObject* parent)
    : ShowLauncher(parent) {
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    connect(&m_process, &QProcess::finished, this, &ShowLauncher::finished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            emit finished();
    });
}

ChildShowLauncher::~ChildShowLauncher() {
    stop();
}

void ChildShowLauncher::start() {
    if (!running())
        m_process.start();
}

void ChildShowLauncher::stop() {
    if (!running())
        return;
    m_process.terminate();
    // The show ends on SIGTERM through its event loop; the whole stop stays under a second.
    if (!m_process.waitForFinished(700)) {
        m_process.kill();
        m_process.waitForFinished(200);
    }
}

bool ChildShowLauncher::running() const {
    return m_process.state() != QProcess::NotRunning;
}
