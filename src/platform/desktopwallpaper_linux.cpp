#include "platform/desktopwallpaper_linux.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

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

QString gvariantString(const QString& text) {
    QString quoted = text;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + quoted + u'\'';
}

bool GSettingsWallpaper::set(const QString& schema, const QString& key, const QString& text) {
    QByteArray err;
    const bool ok = run(QStringLiteral("gsettings"),
                        {QStringLiteral("set"), schema, key, gvariantString(text)}, nullptr, &err);
    // Without a settings daemon gsettings falls back to a memory store, says so, and exits 0:
    // nothing was saved and no desktop saw the change.
    return ok && !err.contains("'memory' GSettings backend");
}

bool GSettingsWallpaper::setWallpaper(const QString& imagePath) {
    const QString uri = QUrl::fromLocalFile(imagePath).toString(QUrl::FullyEncoded);
    switch (m_desktop) {
    case Desktop::Gnome: {
        const QString schema = QStringLiteral("org.gnome.desktop.background");
        const QString light = QStringLiteral("picture-uri"),
                      dark = QStringLiteral("picture-uri-dark");
        set(schema, light, QString());
        if (!set(schema, light, uri))
            return false;
        // Older GNOME releases have no dark-style key; the light one is what they show.
        set(schema, dark, QString());
        set(schema, dark, uri);
        return true;
    }
    case Desktop::Cinnamon: {
        const QString schema = QStringLiteral("org.cinnamon.desktop.background");
        set(schema, QStringLiteral("picture-uri"), QString());
        return set(schema, QStringLiteral("picture-uri"), uri);
    }
    case Desktop::Mate: {
        const QString schema = QStringLiteral("org.mate.background");
        set(schema, QStringLiteral("picture-filename"), QString());
        return set(schema, QStringLiteral("picture-filename"), imagePath);
    }
    }
    return false;
}

bool PlasmaWallpaper::setWallpaper(const QString& imagePath) {
    return run(QStringLiteral("plasma-apply-wallpaperimage"), {imagePath});
}

bool XfceWallpaper::setWallpaper(const QString& imagePath) {
    const QString xfconf = QStringLiteral("xfconf-query");
    const QStringList channel = {QStringLiteral("-c"), QStringLiteral("xfce4-desktop")};
    QByteArray listing;
    if (!run(xfconf, channel + QStringList{QStringLiteral("-l")}, &listing))
        return false;
    QStringList properties;
    for (const QByteArray& line : listing.split('\n')) {
        const QString p = QString::fromUtf8(line.trimmed());
        if (p.endsWith(QStringLiteral("/last-image")))
            properties << p;
    }
    if (properties.isEmpty())
        return run(xfconf, channel + QStringList{QStringLiteral("-p"),
                                                 QStringLiteral("/backdrop/screen0/monitor0/"
                                                                "workspace0/last-image"),
                                                 QStringLiteral("-n"), QStringLiteral("-t"),
                                                 QStringLiteral("string"), QStringLiteral("-s"),
                                                 imagePath});
    bool ok = true;
    for (const QString& p : properties) {
        run(xfconf,
            channel + QStringList{QStringLiteral("-p"), p, QStringLiteral("-s"), QString()});
        ok = run(xfconf,
                 channel + QStringList{QStringLiteral("-p"), p, QStringLiteral("-s"), imagePath}) &&
             ok;
    }
    return ok;
}
