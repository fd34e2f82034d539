#include "app/demarrage.h"
#include "config/form2.h"
#include "controls/photopanel.h"
#include "doubles.h"
#include "platform/terminationsignals.h"
#include "samples.h"
#include "saver/ss.h"
#include "settings/reglages.h"
#include "startup/module1.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

class TestDemarrage : public QObject {
    Q_OBJECT

    QTemporaryDir m_photos;
    QStringList m_paths;

    void storeAlbum(TestServices& t, const QStringList& paths) {
        Samples::writeAlbum(t.settings, paths);
    }
    static PhotoPanel* photo(SS& ss) { return ss.findChild<PhotoPanel*>(QStringLiteral("Photo")); }

private slots:
    void initTestCase() {
        m_paths = Samples::writeSet(m_photos.path(),
                                    {{QStringLiteral("a"), {320, 200}, Samples::Format::Jpeg},
                                     {QStringLiteral("b"), {200, 320}, Samples::Format::Gif},
                                     {QStringLiteral("c"), {300, 300}, Samples::Format::Bmp}});
        QCOMPARE(m_paths.size(), 3);
    }

    // Every start that goes on clears the record of the applied wallpaper; a start that finds
    // another instance leaves it.
    void wallTempEtInstances_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<bool>("autre");
        QTest::addColumn<bool>("continuer");
        QTest::addColumn<bool>("wallTempEfface");
        QTest::newRow("/S") << "/S" << false << true << true;
        QTest::newRow("/S, autre instance") << "/S" << true << false << false;
        QTest::newRow("/P") << "/p 77" << false << true << true;
        QTest::newRow("/P, autre instance") << "/p 77" << true << false << false;
        QTest::newRow("/P, sans fenêtre") << "/p 78" << false << false << false;
        QTest::newRow("/P, sans nombre") << "/p" << false << false << false;
        QTest::newRow("/C") << "/c" << false << true << true;
        QTest::newRow("/C, autre instance") << "/c" << true << true << true;
        QTest::newRow("sans argument") << "" << false << false << true;
        QTest::newRow("sans argument, autre instance") << "" << true << false << false;
        QTest::newRow("inconnu") << "/x" << false << false << true;
    }
    void wallTempEtInstances() {
        QFETCH(QString, ligne);
        QFETCH(bool, autre);
        QFETCH(bool, continuer);
        QFETCH(bool, wallTempEfface);
        TestServices t;
        t.instance.other = autre;
        t.windowHost.windows.insert(77, QSize(152, 112));
        storeAlbum(t, m_paths);
        Reglages::ecrire(t.settings, Reglages::wallTemp(), QStringLiteral("/x.jpg"));
        Module1 m({}, {});
        Demarrage d(t.services, m);
        const auto suite = d.Main(ligne);
        QCOMPARE(suite == Demarrage::Suite::Continuer, continuer);
        QCOMPARE(Reglages::lire(t.settings, Reglages::wallTemp()).isEmpty(), wallTempEfface);
        if (!continuer)
            QVERIFY(!d.ss() && !d.form2());
    }

    // The instance test comes after the first photo in full screen, before hosting in preview;
    // the dialog registers itself as an instance, so that a show started meanwhile ends, and
    // opens whatever the answer.
    void placeDuTestDInstance() {
        for (const QString& ligne :
             {QStringLiteral("/s"), QStringLiteral("/p 77"), QStringLiteral("/c")}) {
            TestServices t;
            t.windowHost.windows.insert(77, QSize(100, 80));
            t.instance.other = true;
            Module1 m({}, {});
            Demarrage d(t.services, m);
            d.Main(ligne);
            QCOMPARE(t.instance.asked, 1);
            QVERIFY(t.windowHost.embedded.isEmpty());
            QCOMPARE(d.form2() != nullptr, ligne == QStringLiteral("/c"));
        }
    }

    void pleinEcranPremierePhoto_data() {
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("position");
        QTest::addColumn<bool>("avecTitre");
        QTest::addColumn<int>("alignement");
        QTest::newRow("titres, en haut") << "0"
                                         << "0" << true << 6;
        QTest::newRow("titres, en bas") << "0"
                                        << "1" << true << 8;
        QTest::newRow("sans titres") << "1"
                                     << "0" << false << 6;
        QTest::newRow("valeurs par défaut") << ""
                                            << "" << false << 6;
        QTest::newRow("autre nombre compté comme 1") << "5"
                                                     << "2" << false << 8;
    }
    void pleinEcranPremierePhoto() {
        QFETCH(QString, titre);
        QFETCH(QString, position);
        QFETCH(bool, avecTitre);
        QFETCH(int, alignement);
        TestServices t;
        storeAlbum(t, m_paths);
        if (!titre.isEmpty())
            Reglages::ecrire(t.settings, Reglages::titre(), titre);
        if (!position.isEmpty())
            Reglages::ecrire(t.settings, Reglages::position(), position);
        t.random.values = {0.5f, 0.1f}; // the second of three, then the first
        Module1 m({}, {});
        Demarrage d(t.services, m);
        QCOMPARE(d.Main(QStringLiteral("/S")), Demarrage::Suite::Continuer);
        SS* ss = d.ss();
        QVERIFY(ss && ss->isVisible());
        QCOMPARE(m.ModeCommande(), QStringLiteral("/S"));
        QCOMPARE(m.DernierePhoto(), qint16(2));
        QCOMPARE(ss->liste(), m_paths);
        QCOMPARE(photo(*ss)->caption(), avecTitre ? m_paths[1] : QString());
        QCOMPARE(int(photo(*ss)->captionAlignment()), alignement);
        QVERIFY(!photo(*ss)->picture().isNull());
        QVERIFY(ss->minuteur().isActive());
        QCOMPARE(ss->minuteur().interval(), 500);
        QVERIFY(ss->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(ss->windowFlags() & Qt::FramelessWindowHint);
    }

    void apercuALaTailleDuPanneau() {
        TestServices t;
        storeAlbum(t, m_paths);
        t.windowHost.windows.insert(0x2a, QSize(152, 112));
        int fins = 0;
        Module1 m({}, {}, [&] { ++fins; });
        Demarrage d(t.services, m);
        QCOMPARE(d.Main(QStringLiteral("/P 0x2a")), Demarrage::Suite::Continuer);
        QCOMPARE(t.windowHost.embedded, QList<quintptr>{0x2a});
        QCOMPARE(d.ss()->size(), QSize(152, 112));
        QCOMPARE(m.RectApercu(), QRect(0, 0, 152, 112));
        QTRY_COMPARE(photo(*d.ss())->size(), QSize(152, 112));
        QVERIFY(!photo(*d.ss())->picture().isNull());
        // Closing the settings tool destroys the pane: the preview ends with it.
        QCOMPARE(fins, 0);
        t.windowHost.windows.remove(0x2a);
        QTRY_COMPARE(fins, 1);
    }

    // Empty list: nothing to show, no title; a missing file keeps the empty picture.
    void rienAMontrer_data() {
        QTest::addColumn<QStringList>("album");
        QTest::newRow("album vide") << QStringList();
        QTest::newRow("fichier absent") << QStringList{QStringLiteral("/nulle/part.jpg")};
        QTest::newRow("pas une image") << QStringList{QStringLiteral(__FILE__)};
    }
    void rienAMontrer() {
        QFETCH(QStringList, album);
        TestServices t;
        storeAlbum(t, album);
        Reglages::ecrire(t.settings, Reglages::titre(), QStringLiteral("0"));
        Module1 m({}, {});
        Demarrage d(t.services, m);
        QCOMPARE(d.Main(QStringLiteral("/s")), Demarrage::Suite::Continuer);
        QCOMPARE(m.DernierePhoto(), qint16(1));
        QCOMPARE(photo(*d.ss())->caption(), album.value(0));
        QVERIFY(photo(*d.ss())->picture().isNull());
    }

    void toucheTermine() {
        TestServices t;
        storeAlbum(t, m_paths);
        int fins = 0;
        Module1 m({}, {}, [&] { ++fins; });
        Demarrage d(t.services, m);
        d.Main(QStringLiteral("/s"));
        QTest::keyClick(d.ss(), Qt::Key_Space);
        QCOMPARE(fins, 1);
        QVERIFY(!d.ss()->minuteur().isActive());
        QVERIFY(!d.ss()->isVisible());
    }

    // A host may stop us while the show is still being prepared: the request waits for the
    // event loop, which then ends at once instead of running the show.
    void finDemandeeAvantLaBoucle_data() {
        QTest::addColumn<QString>("ligne");
        QTest::newRow("plein écran") << "/S";
        QTest::newRow("fenêtre de l'hôte") << "-window-id 0x2a";
    }
    void finDemandeeAvantLaBoucle() {
        QFETCH(QString, ligne);
        TestServices t;
        storeAlbum(t, m_paths);
        t.windowHost.windows.insert(0x2a, QSize(320, 240));
        Module1 m({}, {}); // ends the event loop, as in the program
        TerminationSignals termination;
        connect(&termination, &TerminationSignals::requested, [&m] { m.finProgramme(); });
        QCOMPARE(::raise(SIGTERM), 0);
        Demarrage d(t.services, m);
        QCOMPARE(d.Main(ligne), Demarrage::Suite::Continuer);
        QTimer garde;
        connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        garde.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void dialogueSeul() {
        TestServices t;
        Module1 m({}, {});
        Demarrage d(t.services, m);
        QCOMPARE(d.Main(QStringLiteral("/C")), Demarrage::Suite::Continuer);
        QVERIFY(!d.ss());
        QVERIFY(d.form2() && d.form2()->isVisible());
    }
};

QTEST_MAIN(TestDemarrage)
#include "test_demarrage.moc"
