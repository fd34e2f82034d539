#pragma once

// What the X server knows of our windows, asked with xwininfo.

#include <QList>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>

// The windows named "Lumivane" and their geometry: the top-level ones by default, or the
// children of the window `under` (an id in hexadecimal).
inline QList<QRect> lumivaneWindows(const QString& under = QStringLiteral("-root")) {
    QProcess p;
    QStringList args{QStringLiteral("-tree")};
    if (under == QStringLiteral("-root"))
        args.prepend(QStringLiteral("-root"));
    else
        args = QStringList{QStringLiteral("-id"), under, QStringLiteral("-children")};
    p.start(QStringLiteral("xwininfo"), args);
    p.waitForFinished(10000);
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    static const QRegularExpression line(QStringLiteral(
        R"(0x[0-9a-f]+ "Lumivane": \("lumivane"[^\n]*?(\d+)x(\d+)\+(-?\d+)\+(-?\d+))"));
    QList<QRect> rects;
    for (auto it = line.globalMatch(out); it.hasNext();) {
        const auto m = it.next();
        rects << QRect(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(),
                       m.captured(2).toInt());
    }
    return rects;
}
