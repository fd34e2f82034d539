// GNOME's idle monitor as the idle source, against its compositor running headless on a private
// bus (sur_bus.sh --mutter); input comes through the compositor's remote-desktop interface.

#include "veille/gnomeidlesource.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

class TestInactiviteGnome : public QObject {
    Q_OBJECT
private slots:
    void inactivite();
};

void TestInactiviteGnome::inactivite() {
    const auto source = GnomeIdleSource::create();
    QVERIFY(source);
    const auto avant = source->idleTime();
    QTest::qWait(1000);
    const auto apres = source->idleTime();
    QVERIFY(avant && apres && *apres >= *avant + 900ms);

    const QString service = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
    QDBusInterface bureau(service, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), service);
    const QDBusReply<QDBusObjectPath> chemin = bureau.call(QStringLiteral("CreateSession"));
    if (!chemin.isValid())
        QSKIP(qPrintable(QStringLiteral("no remote-desktop session: ") + chemin.error().message()));
    QDBusInterface session(service, chemin.value().path(), service + QStringLiteral(".Session"));
    QVERIFY(session.call(QStringLiteral("Start")).type() != QDBusMessage::ErrorMessage);

    QSignalSpy retour(source.get(), &IdleSource::userActive);
    source->watchForActivity();
    QTest::qWait(300);
    QCOMPARE(retour.size(), 0);
    const QDBusMessage mouvement =
        session.call(QStringLiteral("NotifyPointerMotionRelative"), 5.0, 5.0);
    QVERIFY2(mouvement.type() != QDBusMessage::ErrorMessage, qPrintable(mouvement.errorMessage()));
    QVERIFY(retour.wait(3000));
    QVERIFY(*source->idleTime() < *apres);
    session.call(QStringLiteral("Stop"));
}

QTEST_GUILESS_MAIN(TestInactiviteGnome)
#include "test_inactivite_gnome.moc"
