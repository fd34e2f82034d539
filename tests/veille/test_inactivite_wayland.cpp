// The Wayland idle source against a real compositor running headless (sous_compositeur.sh):
// KWin, which offers ext_idle_notifier_v1, and sway 1.7, which offers org_kde_kwin_idle only.
// The idle time grows while nothing is touched, the first input is reported and the time falls
// back, and the source says it is lost once the compositor is gone.

#include "veille/waylandidlesource.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <csignal>

using namespace std::chrono_literals;

class TestInactiviteWayland : public QObject {
    Q_OBJECT
private slots:
    void inactivite();
};

void TestInactiviteWayland::inactivite() {
    const auto source = WaylandIdleSource::create();
    QVERIFY(source);
    QCOMPARE(source->name(), qEnvironmentVariable("LUMIVANE_PROTOCOLE"));
    QTRY_VERIFY_WITH_TIMEOUT(source->idleTime().value_or(0ms) >= 1500ms, 5000);

    QSignalSpy retour(source.get(), &IdleSource::userActive);
    source->watchForActivity();
    QTest::qWait(300);
    QCOMPARE(retour.size(), 0);
    QStringList entree = QProcess::splitCommand(qEnvironmentVariable("LUMIVANE_ENTREE"));
    QCOMPARE(QProcess::execute(entree.takeFirst(), entree), 0);
    QVERIFY(retour.wait(3000));
    QCOMPARE(retour.size(), 1);
    QVERIFY(*source->idleTime() < 1000ms);

    ::kill(qEnvironmentVariableIntValue("LUMIVANE_COMPOSITEUR"), SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(!source->idleTime(), 5000);
}

QTEST_GUILESS_MAIN(TestInactiviteWayland)
#include "test_inactivite_wayland.moc"
