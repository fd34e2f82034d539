#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <ctime>

// The UI thread's longest event: its wall time, and its own CPU time (on a shared machine the
// wall time also counts the time other processes held the core).
class BancApplication : public QApplication {
public:
    using QApplication::QApplication;
    struct Blocage {
        double murMs = 0;
        double cpuMs = 0;
        QString quoi; // the costliest event by CPU: receiver class and event type
    };
    void remettre() { m_pire = {}; }
    Blocage pire() const { return m_pire; }
    bool notify(QObject* cible, QEvent* evenement) override {
        if (m_profondeur++ > 0) {
            const bool r = QApplication::notify(cible, evenement);
            --m_profondeur;
            return r;
        }
        // Read first: the event may destroy its receiver.
        const char* classe = cible->metaObject()->className();
        const int type = int(evenement->type());
        const double cpu0 = cpuMs();
        QElapsedTimer mur;
        mur.start();
        const bool r = QApplication::notify(cible, evenement);
        m_pire.murMs = std::max(m_pire.murMs, double(mur.nsecsElapsed()) / 1e6);
        const double cpu = cpuMs() - cpu0;
        if (cpu > m_pire.cpuMs) {
            m_pire.cpuMs = cpu;
            m_pire.quoi = QStringLiteral("%1, event %2").arg(QString::fromLatin1(classe)).arg(type);
        }
        --m_profondeur;
        return r;
    }

private:
    static double cpuMs() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }
    int m_profondeur = 0;
    Blocage m_pire;
};
