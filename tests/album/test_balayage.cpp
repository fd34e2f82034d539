#include "album/balayage.h"
#include "album/contenudossiers.h"
#include "album/textesalbum.h"
#include "doubles.h"
#include "fichiers.h"

#include <QTemporaryDir>
#include <QTest>

// A tree under a temporary folder, described by lines: "a/b.jpg" a file, "a/" a folder,
// "lien -> cible" a symbolic link (the target relative to the link's folder, or absolute).
class TestBalayage : public QObject {
    Q_OBJECT
private slots:
    void balayer_data() {
        QTest::addColumn<QStringList>("arbre");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QStringList>("attendu");
        QTest::addColumn<bool>("borne");
        QTest::newRow("dossiers et sous-dossiers dans l'ordre des noms")
            << QStringList{"b.jpg", "A.png", "sous/c.heic", "sous/2/d.JPG", "a2/e.avif"} << 100
            << QStringList{"A.png", "b.jpg", "a2/e.avif", "sous/c.heic", "sous/2/d.JPG"} << false;
        QTest::newRow("seuls les noms d'images")
            << QStringList{"a.jpg", "notes.txt", "b.jpg.txt", "sans", "c.TIFF", "d.webp"} << 100
            << QStringList{"a.jpg", "c.TIFF", "d.webp"} << false;
        QTest::newRow("cachés laissés") << QStringList{".a.jpg", ".cache/b.jpg", "c.jpg"} << 100
                                        << QStringList{"c.jpg"} << false;
        QTest::newRow("lien vers l'extérieur ignoré")
            << QStringList{"a.jpg", "dehors -> ../../autre", "photo.jpg -> ../../autre/x.jpg"}
            << 100 << QStringList{"a.jpg"} << false;
        QTest::newRow("lien vers l'intérieur suivi")
            << QStringList{"vrai/a.jpg", "raccourci.jpg -> vrai/a.jpg"} << 100
            << QStringList{"raccourci.jpg", "vrai/a.jpg"} << false;
        QTest::newRow("boucle lue une fois")
            << QStringList{"a.jpg", "sous/b.jpg", "sous/retour -> ..", "sous/ici -> ."} << 100
            << QStringList{"a.jpg", "sous/b.jpg"} << false;
        QTest::newRow("borne") << QStringList{"1.jpg", "2.jpg", "s/3.jpg", "s/4.jpg"} << 3
                               << QStringList{"1.jpg", "2.jpg", "s/3.jpg"} << true;
        QTest::newRow("borne juste atteinte")
            << QStringList{"1.jpg", "2.jpg"} << 2 << QStringList{"1.jpg", "2.jpg"} << false;
    }
    void balayer() {
        QFETCH(QStringList, arbre);
        QFETCH(int, maximum);
        QFETCH(QStringList, attendu);
        QFETCH(bool, borne);
        QTemporaryDir tmp;
        const QString racine = tmp.path() + QStringLiteral("/album/photos/");
        QDir().mkpath(racine);
        QDir().mkpath(tmp.path() + QStringLiteral("/autre"));
        ecrire(tmp.path() + QStringLiteral("/autre/x.jpg"), "x");
        for (const QString& ligne : arbre) {
            const QStringList lien = ligne.split(QStringLiteral(" -> "));
            if (lien.size() == 2) {
                QDir().mkpath(QFileInfo(racine + lien[0]).path());
                QVERIFY(QFile::link(lien[1], racine + lien[0]));
            } else if (ligne.endsWith(u'/')) {
                QDir().mkpath(racine + ligne);
            } else {
                ecrire(racine + ligne, "");
            }
        }
        const Balayage b = balayerDossier(racine, maximum);
        QStringList relatifs;
        for (const QString& p : b.photos)
            relatifs << p.mid(racine.size());
        QCOMPARE(relatifs, attendu);
        QCOMPARE(b.borne, borne);
    }

    // Folders give their photos in entry order, up to the bound of all folders together; -1: a
    // folder not looked into yet.
    void deplier_data() {
        QTest::addColumn<QStringList>("entrees");
        QTest::addColumn<QList<int>>("tailles"); // photos held by each entry, 1 for a file
        QTest::addColumn<QList<int>>("attendu"); // number of photos, entry of the first and last
        QTest::addColumn<bool>("borne");
        QTest::newRow("fichiers seuls")
            << QStringList{"/a.jpg", "/b.jpg"} << QList<int>{1, 1} << QList<int>{2, 0, 1} << false;
        QTest::newRow("un dossier entre deux fichiers")
            << QStringList{"/a.jpg", "/d/", "/b.jpg"} << QList<int>{1, 3, 1} << QList<int>{5, 0, 2}
            << false;
        QTest::newRow("dossiers au-delà de la borne")
            << QStringList{"/d/", "/e/", "/c.jpg"} << QList<int>{9000, 2000, 1}
            << QList<int>{10001, 0, 2} << true;
        QTest::newRow("dossier pas encore lu")
            << QStringList{"/d/", "/a.jpg"} << QList<int>{-1, 1} << QList<int>{1, 1, 1} << false;
    }
    void deplier() {
        QFETCH(QStringList, entrees);
        QFETCH(QList<int>, tailles);
        QFETCH(QList<int>, attendu);
        QFETCH(bool, borne);
        QList<Balayage> contenus(entrees.size());
        for (int i = 0; i < entrees.size(); ++i)
            for (int k = 0; k < tailles[i]; ++k)
                contenus[i].photos << QStringLiteral("/p%1.jpg").arg(k);
        const AlbumDeplie a =
            deplierAlbum(entrees, [&](int i) { return tailles[i] < 0 ? nullptr : &contenus[i]; });
        QCOMPARE((QList<int>{int(a.photos.size()), a.entrees.first(), a.entrees.last()}), attendu);
        QCOMPARE(a.entrees.size(), a.photos.size());
        QCOMPARE(a.borne, borne);
    }

    // The user hears of the bound once, however often the folders are looked into again.
    void borneDiteUneFois() {
        QTemporaryDir tmp;
        const QString dossier = tmp.filePath(QStringLiteral("grand/"));
        QDir().mkpath(dossier);
        for (int i = 0; i <= MaxPhotosDossiers; ++i)
            QFile(dossier + QStringLiteral("%1.jpg").arg(i)).open(QIODevice::WriteOnly);
        ScriptedPrompts messages;
        ContenuDossiers contenu(messages);
        for (int fois = 0; fois < 2; ++fois) {
            contenu.suivre({dossier, QStringLiteral("/a.jpg")}, true);
            QTRY_VERIFY_WITH_TIMEOUT(!contenu.enCours(), 20000);
        }
        QCOMPARE(contenu.contenu(dossier)->photos.size(), MaxPhotosDossiers + 1);
        QCOMPARE(contenu.deplier({dossier, QStringLiteral("/a.jpg")}).photos.size(),
                 MaxPhotosDossiers + 1);
        QCOMPARE(messages.asked, QStringList{TextesAlbum::dossiersTropGrands(MaxPhotosDossiers)});
    }
};

QTEST_GUILESS_MAIN(TestBalayage)
#include "test_balayage.moc"
