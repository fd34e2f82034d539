#include "veille/procscreensaverhosts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

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
