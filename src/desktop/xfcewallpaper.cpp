#include "desktop/xfcewallpaper.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QString Xfconf = QStringLiteral("xfconf-query");
// xfdesktop's "zoomed": scaled to fill the screen, the excess cropped.
const QString ZoomedStyle = QStringLiteral("5");

QStringList channel(const QString& name) {
    return {QStringLiteral("-c"), name};
}

// Sets `property`, creating it with `type` when it does not exist yet.
QStringList setting(const QString& property, const QString& type, const QString& value) {
    return channel(QStringLiteral("xfce4-desktop")) +
           QStringList{
               QStringLiteral("-p"), property, QStringLiteral("-n"), QStringLiteral("-t"), type,
               QStringLiteral("-s"), value};
}

} // namespace

bool XfceWallpaper::setWallpaper(const QString& picture) {
    const QString imagePath = QFileInfo(picture).absoluteFilePath();
    QByteArray listing;
    if (!run(Xfconf, channel(QStringLiteral("xfce4-desktop")) + QStringList{QStringLiteral("-l")},
             &listing))
        return false;
    // Every monitor that has a key, and how many workspaces the keys and the window manager
    // know of.
    static const QRegularExpression key(
        QStringLiteral("^(/backdrop/screen\\d+/[^/]+)/workspace(\\d+)/"));
    QStringList monitors, properties;
    int workspaces = 1;
    for (const QByteArray& line : listing.split('\n')) {
        properties << QString::fromUtf8(line.trimmed());
        const QRegularExpressionMatch m = key.match(properties.back());
        if (!m.hasMatch())
            continue;
        if (!monitors.contains(m.captured(1)))
            monitors << m.captured(1);
        workspaces = std::max(workspaces, m.captured(2).toInt() + 1);
    }
    for (const QString& output : m_outputs) {
        const QString monitor = QStringLiteral("/backdrop/screen0/monitor") + output;
        if (!output.isEmpty() && !monitors.contains(monitor))
            monitors << monitor;
    }
    if (monitors.isEmpty())
        monitors << QStringLiteral("/backdrop/screen0/monitor0");
    QByteArray count;
    if (run(Xfconf,
            channel(QStringLiteral("xfwm4")) +
                QStringList{QStringLiteral("-p"), QStringLiteral("/general/workspace_count")},
            &count))
        workspaces = std::max(workspaces, count.trimmed().toInt());

    bool ok = true;
    for (const QString& monitor : std::as_const(monitors)) {
        for (int w = 0; w < workspaces; ++w) {
            const QString prefix = monitor + QStringLiteral("/workspace") + QString::number(w);
            run(Xfconf, setting(prefix + QStringLiteral("/image-style"), QStringLiteral("int"),
                                ZoomedStyle));
            const QString image = prefix + QStringLiteral("/last-image");
            if (properties.contains(image)) // a key that appears is read anyway
                run(Xfconf, setting(image, QStringLiteral("string"), QString()));
            ok = run(Xfconf, setting(image, QStringLiteral("string"), imagePath)) && ok;
        }
    }
    return ok;
}
