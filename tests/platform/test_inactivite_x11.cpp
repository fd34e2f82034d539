// The X server's screen-saver extension as the idle source, against Xvfb: XTEST input (through
// xdotool) resets the idle time.

#include "platform/x11idlesource.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

class TestInactiviteX11 : public QObject {
    Q_OBJECT
private slots:
    void inactivite();
};

static void bougerPointeur() {
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                               {QStringLiteral("mousemove_relative"), QStringLiteral("--"),
                                QStringLiteral("7"), QStringLiteral("-3")}),
             0);
}

void TestInactiviteX11::inactivite() {
    const auto source = X11IdleSource::create();
    QVERIFY(source);
    bougerPointeur();
    const auto avant = source->idleTime();
    QTest::qWait(600);
    const auto apres = source->idleTime();
    QVERIFY(avant && apres && *apres >= *avant + 500ms);

    QSignalSpy retour(source.get(), &IdleSource::userActive);
    source->watchForActivity();
    QTest::qWait(700);
    QCOMPARE(retour.size(), 0);
    bougerPointeur();
    QVERIFY(retour.wait(3000));
    QVERIFY(*source->idleTime() < *apres);
}

QTEST_GUILESS_MAIN(TestInactiviteX11)
#include "test_inactivite_x11.moc"
