#include "desktop/toolwallpaper.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {
constexpr int ToolTimeoutMs = 15000;
// How soon a cancellation reaches a tool that is running.
constexpr int CancelPollMs = 50;
} // namespace

bool ToolWallpaper::run(const QString& program, const QStringList& arguments, QByteArray* out,
                        QByteArray* err) const {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty() || m_cancelled)
        return false;
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    const QDeadlineTimer deadline(ToolTimeoutMs);
    while (!process.waitForFinished(CancelPollMs)) {
        if (process.state() == QProcess::NotRunning)
            return false; // it never started
        if (m_cancelled || deadline.hasExpired()) {
            process.kill();
            process.waitForFinished(1000);
            return false;
        }
    }
    if (out)
        *out = process.readAllStandardOutput();
    if (err)
        *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString ToolWallpaper::absolutePath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}
