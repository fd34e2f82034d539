#include "desktop/gsettingswallpaper.h"

#include <QUrl>

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
