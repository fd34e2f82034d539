#include "veille/desktopidleaction.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <vector>

using namespace std::chrono_literals;

namespace {

// What a tool printed, nothing when it is missing, failed or hung.
std::optional<QString> output(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(path, arguments);
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(500);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// GNOME's and Cinnamon's session: blanks at idle-delay (0: never), and the screen saver locks
// then when asked to. gsettings prints a uint32 as "uint32 300".
std::optional<DesktopIdleAction> session(const QString& prefix) {
    const auto delay = output(QStringLiteral("gsettings"),
                              {QStringLiteral("get"), prefix + QStringLiteral(".desktop.session"),
                               QStringLiteral("idle-delay")});
    if (!delay)
        return std::nullopt;
    bool number = false;
    const uint seconds = delay->section(u' ', -1).toUInt(&number);
    if (!number || seconds == 0)
        return std::nullopt;
    const auto lock =
        output(QStringLiteral("gsettings"),
               {QStringLiteral("get"), prefix + QStringLiteral(".desktop.screensaver"),
                QStringLiteral("lock-enabled")});
    return DesktopIdleAction{std::chrono::seconds(seconds), lock == QStringLiteral("true")};
}

// KDE Plasma's screen locker: Timeout minutes (5 unless set) when Autolock is on (the default).
std::optional<DesktopIdleAction> kdeLocker() {
    const QString file = QStandardPaths::locate(QStandardPaths::GenericConfigLocation,
                                                QStringLiteral("kscreenlockerrc"));
    if (file.isEmpty())
        return DesktopIdleAction{5min, true};
    QSettings rc(file, QSettings::IniFormat);
    rc.beginGroup(QStringLiteral("Daemon"));
    static const QStringList no = {QStringLiteral("false"), QStringLiteral("no"),
                                   QStringLiteral("off"), QStringLiteral("0")};
    if (no.contains(rc.value(QStringLiteral("Autolock")).toString().toLower()))
        return std::nullopt;
    bool number = false;
    const int minutes = rc.value(QStringLiteral("Timeout"), 5).toInt(&number);
    if (!number || minutes <= 0)
        return std::nullopt;
    return DesktopIdleAction{std::chrono::minutes(minutes), true};
}

// The X server blanks after its screen-saver timeout; `xset q` prints "timeout:  600".
std::optional<DesktopIdleAction> xServer() {
    const auto q = output(QStringLiteral("xset"), {QStringLiteral("q")});
    if (!q)
        return std::nullopt;
    static const QRegularExpression timeout(QStringLiteral("\\btimeout:\\s+(\\d+)"));
    const QRegularExpressionMatch m = timeout.match(*q);
    const uint seconds = m.hasMatch() ? m.captured(1).toUInt() : 0;
    if (seconds == 0)
        return std::nullopt;
    return DesktopIdleAction{std::chrono::seconds(seconds), false};
}

} // namespace

std::optional<DesktopIdleAction> readDesktopIdleAction(const QString& currentDesktop, bool x11) {
    const QStringList names = currentDesktop.split(u':', Qt::SkipEmptyParts);
    const auto is = [&names](const char* name) {
        return names.contains(QLatin1String(name), Qt::CaseInsensitive);
    };
    std::vector<DesktopIdleAction> actions;
    const auto add = [&actions](std::optional<DesktopIdleAction> a) {
        if (a)
            actions.push_back(*a);
    };
    if (is("GNOME") || is("Unity") || is("Budgie"))
        add(session(QStringLiteral("org.gnome")));
    if (is("X-Cinnamon") || is("Cinnamon"))
        add(session(QStringLiteral("org.cinnamon")));
    if (is("KDE"))
        add(kdeLocker());
    if (x11)
        add(xServer());
    if (actions.empty())
        return std::nullopt;
    // The first to come is what the user meets; at the same time, a lock.
    return *std::min_element(actions.begin(), actions.end(), [](const auto& a, const auto& b) {
        return a.after != b.after ? a.after < b.after : a.locks > b.locks;
    });
}
