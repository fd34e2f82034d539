#pragma once

// Whole files, read and written the short way tests need.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

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

// `f()` with files limited to `octets` bytes: writes past it are cut short as on a full disk.
template <class F> auto limiteEcriture(rlim_t octets, F f) {
    rlimit avant{};
    ::getrlimit(RLIMIT_FSIZE, &avant);
    const rlimit limite{octets, avant.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    const auto resultat = f();
    ::setrlimit(RLIMIT_FSIZE, &avant);
    return resultat;
}
