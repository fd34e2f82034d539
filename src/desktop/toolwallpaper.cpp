#include "desktop/toolwallpaper.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {
constexpr int ToolTimeoutMs = 15000;
// How soon a cancellation reaches a tool that is running.
constexpr int CancelPollMs = 50;

QString absolutePath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}
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

QString swayWord(const QString& path) {
    // swaymsg joins its arguments into one command that sway splits into commands on ';' and
    // ',', and into words on blanks; "bg" then expands its file name as a shell expands a word
    // ($variables, $(commands), ~, globs). A backslash before each character that any of these
    // reads keeps it literal through all of them, where quotes would not: sway strips quotes
    // that open a word and leaves the rest to the expansion. A line break would end the
    // command, escaped or not.
    if (path.contains(u'\n'))
        return {};
    QString word;
    for (const QChar c : path) {
        if (c.unicode() < 0x80 && !c.isLetterOrNumber() && !QStringView(u"/._+:@-").contains(c))
            word += u'\\';
        word += c;
    }
    return word;
}

QString gvariantString(const QString& text) {
    QString quoted = text;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + quoted + u'\'';
}

QString gvariantStringValue(const QString& literal) {
    if (literal.size() < 2 || (literal.front() != u'\'' && literal.front() != u'"') ||
        literal.back() != literal.front())
        return {};
    QString value;
    for (qsizetype i = 1; i + 1 < literal.size(); ++i) {
        if (literal[i] == u'\\' && i + 2 < literal.size())
            ++i;
        value += literal[i];
    }
    return value;
}

bool GSettingsWallpaper::set(const QString& schema, const QString& key, const QString& text) {
    return run(QStringLiteral("gsettings"),
               {QStringLiteral("set"), schema, key, gvariantString(text)});
}

bool GSettingsWallpaper::get(const QString& schema, const QString& key, QString* text) {
    QByteArray out;
    if (!run(QStringLiteral("gsettings"), {QStringLiteral("get"), schema, key}, &out))
        return false;
    *text = gvariantStringValue(QString::fromUtf8(out.trimmed()));
    return true;
}

bool GSettingsWallpaper::replace(const QString& schema, const QString& key, const QString& text) {
    // gsettings exits with 0 when no settings service kept the value: with no session bus, or
    // with the memory store it falls back to. Read back by another process after each change,
    // the value shows whether the desktop saw both: the emptied one (or the same path, written
    // again, would prove nothing) and the new one.
    QString read;
    return set(schema, key, QString()) && get(schema, key, &read) && read.isEmpty() &&
           set(schema, key, text) && get(schema, key, &read) && read == text;
}

bool GSettingsWallpaper::setWallpaper(const QString& picture) {
    const QString imagePath = absolutePath(picture);
    const QString uri = QUrl::fromLocalFile(imagePath).toString(QUrl::FullyEncoded);
    const QString options = QStringLiteral("picture-options"), zoom = QStringLiteral("zoom");
    switch (m_desktop) {
    case Desktop::Gnome: {
        const QString schema = QStringLiteral("org.gnome.desktop.background");
        const QString light = QStringLiteral("picture-uri"),
                      dark = QStringLiteral("picture-uri-dark");
        set(schema, options, zoom);
        if (!replace(schema, light, uri))
            return false;
        // Older GNOME releases have no dark-style key; the light one is what they show.
        set(schema, dark, QString());
        set(schema, dark, uri);
        return true;
    }
    case Desktop::Cinnamon: {
        const QString schema = QStringLiteral("org.cinnamon.desktop.background");
        set(schema, options, zoom);
        return replace(schema, QStringLiteral("picture-uri"), uri);
    }
    case Desktop::Mate: {
        const QString schema = QStringLiteral("org.mate.background");
        set(schema, options, zoom);
        return replace(schema, QStringLiteral("picture-filename"), imagePath);
    }
    }
    return false;
}

bool CommandWallpaper::setWallpaper(const QString& picture) {
    const QString imagePath = absolutePath(picture);
    const QString setWallpaper = QStringLiteral("--set-wallpaper"),
                  mode = QStringLiteral("--wallpaper-mode");
    switch (m_desktop) {
    case Desktop::Plasma:
        // Plasma's default mode already scales and crops to fill.
        return run(QStringLiteral("plasma-apply-wallpaperimage"), {imagePath});
    case Desktop::LxQt:
        return run(QStringLiteral("pcmanfm-qt"),
                   {setWallpaper, imagePath, mode, QStringLiteral("zoom")});
    case Desktop::Lxde:
        return run(QStringLiteral("pcmanfm"),
                   {setWallpaper, imagePath, mode, QStringLiteral("crop")});
    case Desktop::Sway: {
        const QString word = swayWord(imagePath);
        return !word.isEmpty() &&
               run(QStringLiteral("swaymsg"), {QStringLiteral("output"), QStringLiteral("*"),
                                               QStringLiteral("bg"), word, QStringLiteral("fill")});
    }
    }
    return false;
}
