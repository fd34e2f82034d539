#include "bancss.h"

// A folder in the album: the show plays what it holds at each start.
class TestSSDossiers : public QObject {
    Q_OBJECT
private slots:
    void photoAjouteeEntreDeuxSpectacles() {
        BancSS b;
        const QString dossier = b.dossier.filePath(QStringLiteral("album/"));
        QDir().mkpath(dossier + QStringLiteral("sous"));
        const QStringList photos = b.photos(2);
        QFile::copy(photos[0], dossier + QStringLiteral("a.bmp"));
        QFile::copy(photos[1], dossier + QStringLiteral("sous/b.bmp"));
        Samples::writeAlbum(b.ts.settings, {dossier, photos[0]});
        for (const int attendues : {3, 4}) {
            b.ss = std::make_unique<SS>(b.ts.services, b.module);
            b.ss->ChargerPhotos();
            b.ss->poserPremierePhoto();
            // Until the folder is looked into, a tick neither shows nor ends anything.
            b.ss->start(24 * 3600 * 1000);
            b.ss->Timer1_Timer();
            QVERIFY(b.ss->minuteur().isActive());
            QTRY_VERIFY(!b.ss->deploiementEnCours());
            QCOMPARE(b.ss->liste().size(), attendues);
            QVERIFY(!b.photo()->picture().isNull());
            QFile::copy(photos[1], dossier + QStringLiteral("c.bmp"));
        }
    }
};

QTEST_MAIN(TestSSDossiers)
#include "test_ss_dossiers.moc"
