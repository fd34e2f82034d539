#pragma once

// Whole files, read and written the short way tests need.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

// The file's bytes, or "<absent>" when it cannot be read.
inline QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// Writes `octets` as the whole file, making its folder first.
inline void ecrire(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}
