#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <sys/resource.h>

// This process's peak memory so far.
inline double maxRssMo() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

// Makes the missing pictures in a child process (this program run with `--generate DIR`), so
// that making them does not count in this process's peak memory.
inline bool imagesPretes(const QStringList& fichiers, const QString& dossier, QTextStream& out) {
    if (std::all_of(fichiers.begin(), fichiers.end(),
                    [](const QString& p) { return QFileInfo::exists(p); }))
        return true;
    out << "making the pictures in " << dossier << " ..." << Qt::endl;
    return QProcess::execute(QCoreApplication::applicationFilePath(),
                             {QStringLiteral("--generate"), dossier}) == 0;
}

// The UI thread's pauses: a 1 ms heartbeat, and the longest gap between two of its beats.
class Battement {
public:
    Battement() {
        m_horloge.start();
        m_minuterie.setTimerType(Qt::PreciseTimer);
        m_minuterie.setInterval(1);
        QObject::connect(&m_minuterie, &QTimer::timeout, [this] {
            const qint64 t = m_horloge.nsecsElapsed();
            if (m_dernier)
                m_plusLongue = std::max(m_plusLongue, t - m_dernier);
            m_dernier = t;
        });
    }
    void demarrer() { m_minuterie.start(); }
    void arreter() { m_minuterie.stop(); }
    void remettre() { m_dernier = m_plusLongue = 0; }
    double plusLongueAttenteMs() const { return double(m_plusLongue) / 1e6; }

private:
    QElapsedTimer m_horloge;
    QTimer m_minuterie;
    qint64 m_dernier = 0;
    qint64 m_plusLongue = 0;
};
