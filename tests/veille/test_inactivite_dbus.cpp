// The ScreenSaver interface (KDE Plasma's idle time), a source lost in a show, and the session's
// inhibitions, against stand-ins on a private bus by Xvfb: the real ones need a whole desktop.

#include "veille/childshowlauncher.h"
#include "veille/idleinhibition.h"
#include "veille/procscreensaverhosts.h"
#include "veille/screensaveridlesource.h"
#include "veille/veille.h"

#include <QDBusConnection>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

namespace {

// clang-format off
class EconomiseurFactice : public QObject { Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public slots: uint GetSessionIdleTime() { return 4321; }
};
class SessionFactice : public QObject { Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.SessionManager")
public: bool inhibe = false;
public slots: bool IsInhibited(uint drapeaux) { return inhibe && (drapeaux & 8u); }
};
class EnergieFactice : public QObject { Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.PowerManagement.Inhibit")
public: bool inhibe = false;
public slots: bool HasInhibit() { return inhibe; }
};
class MoniteurFactice : public QObject { Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Mutter.IdleMonitor")
public slots: qulonglong GetIdletime() { return 5000; } uint AddUserActiveWatch() { return 7; }
};
// clang-format on

} // namespace

class TestInactiviteDBus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void economiseur();
    void sourcePerdue();
    void inhibition_data();
    void inhibition();

private:
    // The stand-ins answer on a connection and a thread of their own, as another process would.
    QThread m_fil;
    QDBusConnection m_bus{QString()};
    EconomiseurFactice m_economiseur;
    SessionFactice m_session;
    EnergieFactice m_energie;
    MoniteurFactice m_moniteur;
};

void TestInactiviteDBus::initTestCase() {
    m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("factice"));
    QVERIFY(m_bus.isConnected());
    m_fil.start();
    for (QObject* o : std::initializer_list<QObject*>{&m_economiseur, &m_session, &m_energie})
        o->moveToThread(&m_fil);
    m_moniteur.moveToThread(&m_fil);
    const auto opt = QDBusConnection::ExportAllSlots;
    QVERIFY(
        m_bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &m_economiseur, opt));
    QVERIFY(m_bus.registerObject(QStringLiteral("/org/gnome/SessionManager"), &m_session, opt));
    QVERIFY(m_bus.registerObject(QStringLiteral("/org/freedesktop/PowerManagement/Inhibit"),
                                 &m_energie, opt));
    QVERIFY(m_bus.registerObject(QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"), &m_moniteur,
                                 opt));
}

void TestInactiviteDBus::cleanupTestCase() {
    m_fil.quit();
    m_fil.wait();
    for (QObject* o : std::initializer_list<QObject*>{&m_economiseur, &m_session, &m_energie})
        o->moveToThread(thread());
    m_moniteur.moveToThread(thread());
}

void TestInactiviteDBus::economiseur() {
    const QString nom = QStringLiteral("org.freedesktop.ScreenSaver");
    QVERIFY(!ScreenSaverIdleSource::create());
    QVERIFY(m_bus.registerService(nom));
    const auto source = ScreenSaverIdleSource::create();
    QVERIFY(source);
    QCOMPARE(source->idleTime()->count(), 4321);
    m_bus.unregisterService(nom);
}

void TestInactiviteDBus::sourcePerdue() {
    // GNOME's monitor first; after it, in an X11 session, the X server, whatever unit the owner
    // of the ScreenSaver name counts in.
    const QString gnome = QStringLiteral("org.gnome.Mutter.IdleMonitor");
    const QString economiseur = QStringLiteral("org.freedesktop.ScreenSaver");
    QVERIFY(m_bus.registerService(gnome) && m_bus.registerService(economiseur));
    const auto source = createIdleSource();
    QCOMPARE(source->name(), QStringLiteral("GNOME"));
    ChildShowLauncher spectacle(QStringLiteral("sleep"), {QStringLiteral("30")});
    const ProcScreenSaverHosts hotes;
    Veille veille(*source, spectacle, hotes, std::chrono::seconds(1));
    QSignalSpy perdue(&veille, &Veille::sourcePerdue);
    veille.examiner();
    QVERIFY(spectacle.running());
    m_bus.unregisterService(gnome);
    QVERIFY(perdue.wait(3000));
    QVERIFY(!spectacle.running());
    QCOMPARE(createIdleSource()->name(), QStringLiteral("X11"));
    m_bus.unregisterService(economiseur);
}

void TestInactiviteDBus::inhibition_data() {
    QTest::addColumn<int>("gnome"); // -1: no such service, else its idle flag
    QTest::addColumn<int>("energie");
    QTest::addColumn<bool>("inhibee");
    QTest::newRow("aucun service") << -1 << -1 << false;
    QTest::newRow("PowerManagement inhibe") << -1 << 1 << true;
    QTest::newRow("PowerManagement libre") << -1 << 0 << false;
    QTest::newRow("GNOME inhibe") << 1 << -1 << true;
    QTest::newRow("GNOME répond le premier") << 0 << 1 << false;
}

void TestInactiviteDBus::inhibition() {
    QFETCH(int, gnome);
    QFETCH(int, energie);
    QFETCH(bool, inhibee);
    const QString nomGnome = QStringLiteral("org.gnome.SessionManager");
    const QString nomEnergie = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");
    m_session.inhibe = gnome == 1;
    m_energie.inhibe = energie == 1;
    if (gnome >= 0)
        QVERIFY(m_bus.registerService(nomGnome));
    if (energie >= 0)
        QVERIFY(m_bus.registerService(nomEnergie));
    QCOMPARE(sessionInhibitsIdle(), inhibee);
    m_bus.unregisterService(nomGnome);
    m_bus.unregisterService(nomEnergie);
}

QTEST_GUILESS_MAIN(TestInactiviteDBus)
#include "test_inactivite_dbus.moc"
