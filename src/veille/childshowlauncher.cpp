#include "veille/childshowlauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

namespace {

// The process's program name, not its comm, which the kernel cuts to 15 characters
// ("mate-screensave"): the executable's file name, or that of the first argument for a program
// started through a link or an interpreter.
bool runsHost(const QString& dir, const QStringList& hosts) {
    const QString exe = QFile::symLinkTarget(dir + QStringLiteral("/exe"));
    QFile cmdline(dir + QStringLiteral("/cmdline"));
    const QByteArray argv0 =
        cmdline.open(QIODevice::ReadOnly) ? cmdline.readAll().split('\0').value(0) : QByteArray();
    return hosts.contains(QFileInfo(exe).fileName()) ||
           hosts.contains(QFileInfo(QString::fromLocal8Bit(argv0)).fileName());
}

} // namespace

bool ProcScreenSaverHosts::hostRunning() const {
    static const QStringList hosts = {QStringLiteral("xscreensaver"),
                                      QStringLiteral("mate-screensaver"),
                                      QStringLiteral("xfce4-screensaver")};
    const QByteArray display = "DISPLAY=" + qgetenv("DISPLAY");
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!pid.front().isDigit() || QFileInfo(proc.filePath(pid)).ownerId() != ::getuid() ||
            !runsHost(proc.filePath(pid), hosts))
            continue;
        QFile environ(proc.filePath(pid) + QStringLiteral("/environ"));
        if (environ.open(QIODevice::ReadOnly) && environ.readAll().split('\0').contains(display))
            return true;
    }
    return false;
}
