#pragma once

// vipsthumbnail, the program a user would run instead, on the same files with as many threads.

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/resource.h>

inline double cpuEnfantsMs() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

// Thumbnails of `photos` in a 111 x 111 box by `fils` processes of one thread each: wall time,
// and the CPU time of the processes, in milliseconds.
inline std::pair<double, double> vips(const QString& programme, const QStringList& photos, int fils,
                                      QTextStream& out) {
    const double cpu0 = cpuEnfantsMs();
    QTemporaryDir sortie;
    QList<QProcess*> processus;
    QElapsedTimer t;
    t.start();
    for (int k = 0; k < fils; ++k) {
        QStringList args{QStringLiteral("--size"), QStringLiteral("111x111"), QStringLiteral("-o"),
                         sortie.path() + QStringLiteral("/%s.v")};
        for (int i = k; i < photos.size(); i += fils)
            args << photos[i];
        auto* p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VIPS_CONCURRENCY"), QStringLiteral("1"));
        p->setProcessEnvironment(env);
        p->start(programme, args);
        processus << p;
    }
    bool ok = true;
    for (QProcess* p : processus) {
        ok = p->waitForFinished(600000) && p->exitCode() == 0 && ok;
        delete p;
    }
    const double ms = double(t.nsecsElapsed()) / 1e6;
    const auto faites = QDir(sortie.path()).entryList(QDir::Files).size();
    if (!ok || faites != photos.size())
        out << "  vipsthumbnail failed (" << faites << " thumbnails)\n";
    return {ms, cpuEnfantsMs() - cpu0};
}
