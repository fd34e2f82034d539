// The show inside an X11 screen-saver host's window: command line, window, resizes, end.

#include "app/demarrage.h"
#include "bancss.h"
#include "hote/hostwindowwatcher.h"
#include "startup/lignecommande.h"

#include <QSignalSpy>
#include <QTest>

using Id = std::optional<quintptr>;
Q_DECLARE_METATYPE(Id)

class TestHote : public QObject {
    Q_OBJECT
private slots:
    void fenetreHote_data();
    void fenetreHote();
    void suiviFenetre();
    void demarrageDansLaFenetre();
    void fenetreInconnue();
};

void TestHote::fenetreHote_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<Id>("attendu");
    QTest::newRow("hexadécimal") << "-window-id 0x1A00003"
                                 << "" << Id(0x1a00003);
    QTest::newRow("décimal") << "-window-id 27262979"
                             << "" << Id(27262979);
    QTest::newRow("zéro initial reste décimal") << "-window-id 010"
                                                << "" << Id(10);
    QTest::newRow("avant la variable") << "-window-id 5"
                                       << "0x9" << Id(5);
    QTest::newRow("sans identifiant") << "-window-id"
                                      << "0x9" << Id();
    QTest::newRow("identifiant invalide") << "-window-id zz"
                                          << "" << Id();
    QTest::newRow("identifiant nul") << "-window-id 0"
                                     << "" << Id();
    QTest::newRow("-root et variable") << "-root"
                                       << "0x2c00007" << Id(0x2c00007);
    QTest::newRow("-root seul: racine") << "-root"
                                        << "" << Id(0);
    QTest::newRow("-root et variable invalide") << "-root"
                                                << "abc" << Id();
    QTest::newRow("--window-id") << "--window-id 0x1A00003"
                                 << "" << Id(0x1a00003);
    QTest::newRow("--root et variable") << "--root"
                                        << "0x2c00007" << Id(0x2c00007);
    QTest::newRow("--root seul") << "--root"
                                 << "" << Id(0);
    QTest::newRow("variable seule") << ""
                                    << "123" << Id(123);
    QTest::newRow("rien") << ""
                          << "" << Id();
    QTest::newRow("autre argument") << "/X"
                                    << "123" << Id();
}

void TestHote::fenetreHote() {
    QFETCH(QString, ligne);
    QFETCH(QString, variable);
    QFETCH(Id, attendu);
    QCOMPARE(fenetreHoteX11(ligne, variable), attendu);
}

void TestHote::suiviFenetre() {
    FakeWindowHost hote;
    hote.windows[7] = QSize(100, 80);
    HostWindowWatcher suivi(hote, 7);
    QSignalSpy tailles(&suivi, &HostWindowWatcher::resized);
    QSignalSpy disparue(&suivi, &HostWindowWatcher::gone);
    suivi.check();
    QCOMPARE(tailles.size(), 0);
    hote.windows[7] = QSize(300, 200);
    suivi.check();
    QCOMPARE(tailles.size(), 1);
    QCOMPARE(tailles[0][0].toSize(), QSize(300, 200));
    hote.windows.remove(7);
    suivi.check();
    QCOMPARE(disparue.size(), 1);
}

void TestHote::demarrageDansLaFenetre() {
    BancSS b;
    Samples::writeAlbum(b.ts.settings, b.photos(3));
    Reglages::ecrire(b.ts.settings, Reglages::wallTemp(), QStringLiteral("ancienne"));
    b.ts.instance.other = true; // one copy per screen: no instance test
    b.ts.windowHost.windows[42] = QSize(320, 200);
    Demarrage demarrage(b.ts.services, b.module);
    QCOMPARE(demarrage.Main(QStringLiteral("-window-id 0x2a")), Demarrage::Suite::Continuer);
    SS* ss = demarrage.ss();
    QVERIFY(ss);
    QCOMPARE(b.ts.windowHost.embedded, QList<quintptr>{42});
    QCOMPARE(ss->size(), QSize(320, 200));
    QVERIFY(b.module.hoteX11());
    QVERIFY(ss->minuteur().isActive());
    QVERIFY(!ss->findChild<PhotoPanel*>(QStringLiteral("Photo"))->picture().isNull());
    QCOMPARE(Reglages::lire(b.ts.settings, Reglages::wallTemp()), QString());
    b.ss.reset();
    // The host watches the pointer: movement after a transition does not end the show.
    QTRY_VERIFY(ss->suivantePrete());
    ss->Timer1_Timer();
    ss->Photo_MouseMove(Qt::NoButton, Qt::NoModifier, 10, 10);
    QCOMPARE(b.fins, 0);
    b.ts.windowHost.windows[42] = QSize(400, 300);
    QTRY_COMPARE(ss->size(), QSize(400, 300));
    b.ts.windowHost.windows.remove(42);
    QTRY_COMPARE(b.fins, 1);
}

void TestHote::fenetreInconnue() {
    BancSS b;
    Demarrage demarrage(b.ts.services, b.module);
    QCOMPARE(demarrage.Main(QStringLiteral("-window-id 99")), Demarrage::Suite::Terminer);
    QVERIFY(!demarrage.ss());
    QVERIFY(b.ts.windowHost.embedded.isEmpty());
}

QTEST_MAIN(TestHote)
#include "test_hote.moc"
