// Saving the album: under its name, named through the dialog, under another name, and what a
// file that cannot be written or too many photos leave; closing with unsaved changes.
#include "album/formatalbum.h"
#include "album/textesalbum.h"
#include "bancalbum.h"
#include "fichiers.h"
#include "memorysettingsstore.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

using Sauvegarde = Album::Sauvegarde;

} // namespace

class TestAlbumSauvegarde : public QObject {
    Q_OBJECT
private slots:
    // A named album: the file and the mirror hold the list, and a longer former mirror is gone.
    void sauvegarderNomme() {
        BancAlbum b;
        recrireMiroir(b.ts.settings, photos(15, QStringLiteral("/ancien/")));
        b.album.Liste = photos(11);
        b.album.TitreAlbum = QStringLiteral("VAC");
        b.album.AlbumModifie = true;
        QString fichier = b.chemin(QStringLiteral("vac.alb"));
        ecrire(fichier, "0000 /ancien.jpg\r\n0001 /autre.jpg\r\n0002 /x.jpg\r\n");
        QCOMPARE(b.album.Sauvegarder(fichier), Sauvegarde::Enregistree);
        QCOMPARE(contenu(fichier), ecrireLignesAlbum(photos(11)).value());
        QCOMPARE(cles(b.ts.settings, 13), photos(11) << Absent << Absent);
        QCOMPARE(
            b.ts.settings.read(QStringLiteral("Liste de Fichiers"), QStringLiteral("Fichier 10")),
            QStringLiteral("/p/10.jpg"));
        QVERIFY(!b.album.AlbumModifie);
        QVERIFY(b.ts.prompts.asked.isEmpty());
    }

    void nommer_data() {
        QTest::addColumn<QList<bool>>("reponses");
        QTest::addColumn<QStringList>("choix"); // relative to the temporary folder
        QTest::addColumn<QString>("attendu");   // the file written; empty: none
        QTest::addColumn<QString>("titre");
        QTest::newRow("sans extension")
            << QList<bool>{true} << QStringList{"vacances"} << "vacances.alb"
            << "VACANCES";
        QTest::newRow("capitales")
            << QList<bool>{true} << QStringList{"VACANCES.ALB"} << "VACANCES.ALB"
            << "VACANCES";
        QTest::newRow("mélange") << QList<bool>{true} << QStringList{"x.Alb"} << "x.Alb"
                                 << "X";
        QTest::newRow("autre extension")
            << QList<bool>{true} << QStringList{"photos.alb.txt"} << "photos.alb.txt.alb"
            << "PHOTOS.ALB.TXT";
        QTest::newRow("dialogue annulé")
            << QList<bool>{true, true} << QStringList{"", "a"} << "a.alb"
            << "A";
        QTest::newRow("abandon") << QList<bool>{true, false} << QStringList{""} << ""
                                 << "";
    }
    // An album without a name is named through the dialog; giving up keeps the mirror.
    void nommer() {
        QFETCH(QList<bool>, reponses);
        QFETCH(QStringList, choix);
        QFETCH(QString, attendu);
        QFETCH(QString, titre);
        BancAlbum b;
        b.donner(photos(3));
        b.album.AlbumModifie = true;
        for (bool r : reponses)
            b.ts.prompts.answers << r;
        for (const QString& c : choix)
            b.ts.files.results << (c.isEmpty() ? c : b.chemin(c));
        QString fichier = QStringLiteral("inchangé");
        const auto resultat = b.album.Sauvegarder(fichier);

        QCOMPARE(b.ts.files.requests.size(), choix.size());
        const FileDialogRequest& r = b.ts.files.requests.first();
        QCOMPARE(r.title, TextesAlbum::TitreSauvegarder);
        QCOMPARE(r.filter, TextesAlbum::FiltreAlbum);
        QCOMPARE(r.startFolder, b.dir.path());
        QCOMPARE(cles(b.ts.settings, 4), photos(3) << Absent);
        QVERIFY(!b.album.AlbumModifie);
        if (attendu.isEmpty()) {
            QCOMPARE(resultat, Sauvegarde::Abandonnee);
            QCOMPARE(b.ts.prompts.asked.last(), TextesAlbum::NonSauvegarde);
            QCOMPARE(fichier, QStringLiteral("inchangé"));
            QVERIFY(b.album.TitreAlbum.isEmpty());
            QCOMPARE(QDir(b.dir.path()).entryList(QDir::Files), QStringList());
            return;
        }
        QCOMPARE(resultat, Sauvegarde::Enregistree);
        QCOMPARE(fichier, b.chemin(attendu));
        // Named on the way, the album takes its title as from any other save: never the path.
        QCOMPARE(b.album.TitreAlbum, titre);
        QCOMPARE(contenu(fichier), ecrireLignesAlbum(photos(3)).value());
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::repertoireSave()), b.dir.path() + u'/');
        QCOMPARE(b.ts.prompts.asked, QStringList(reponses.size(), TextesAlbum::NomCorrect));
        // The file named is the album's from now on, also at the next start.
        QCOMPARE(b.album.FichierAlbum, fichier);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::nomAlbum()), fichier);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::album()),
                 Album::titreDuFichier(attendu).value());
    }

    // The file cannot be written: the user is told which and why, the list stays, the mirror
    // holds it, and closing offers to save again but stays open when that fails too.
    void echecEcriture() {
        BancAlbum b;
        ecrire(b.chemin(QStringLiteral("fichier")), "pas un dossier");
        const QString fichier = b.chemin(QStringLiteral("fichier/album.alb"));
        b.donner(photos(2), QStringLiteral("ALBUM"), fichier);
        b.album.AlbumModifie = true;
        QCOMPARE(b.album.Sauvegarder(b.album.FichierAlbum), Sauvegarde::Echouee);
        QCOMPARE(b.ts.prompts.kinds, QStringList{"notice"});
        QVERIFY(b.ts.prompts.asked.first().contains(fichier));
        QVERIFY(b.album.AlbumModifie);
        QCOMPARE(b.album.Liste, photos(2));
        QCOMPARE(cles(b.ts.settings, 3), photos(2) << Absent);

        b.ts.prompts.answers << true;
        QVERIFY(!b.album.fermer());
        QCOMPARE(b.ts.prompts.asked[1], TextesAlbum::AlbumModifie);
        b.ts.prompts.answers << false;
        QVERIFY(b.album.fermer());
    }

    // More photos than a file holds: refused with a message, the previous file intact, the
    // mirror complete.
    void tropDePhotos() {
        TestServices ts;
        MemorySettingsStore reglages;
        QTemporaryDir dir;
        Album album(reglages, ts.prompts, ts.files, dir.path());
        const QString fichier = dir.filePath(QStringLiteral("grand.alb"));
        ecrire(fichier, "0000 /ancien.jpg\r\n");
        album.Liste = photos(10001);
        album.TitreAlbum = QStringLiteral("GRAND");
        album.FichierAlbum = fichier;
        QCOMPARE(album.Sauvegarder(album.FichierAlbum), Sauvegarde::Echouee);
        QCOMPARE(ts.prompts.asked, QStringList{TextesAlbum::tropDePhotos(10001)});
        QCOMPARE(contenu(fichier), QByteArray("0000 /ancien.jpg\r\n"));
        QCOMPARE(ChargerPhotos(reglages), photos(10001));
        QVERIFY(album.AlbumModifie);
        QVERIFY(album.enregistrerAlbum() == Sauvegarde::Echouee);
        QVERIFY(ts.files.calls.isEmpty());
    }

    // The store kept nothing of the saves: the user hears it once, however many follow.
    void reglagesPerdus() {
        TestServices ts;
        MemorySettingsStore reglages;
        reglages.failWrites = true;
        QTemporaryDir dir;
        Album album(reglages, ts.prompts, ts.files, dir.path());
        album.Liste = photos(2);
        album.TitreAlbum = QStringLiteral("A");
        QString fichier = dir.filePath(QStringLiteral("a.alb"));
        QCOMPARE(album.Sauvegarder(fichier), Sauvegarde::Enregistree);
        QCOMPARE(album.Sauvegarder(fichier), Sauvegarde::Enregistree);
        QCOMPARE(ts.prompts.asked, QStringList{TextesAlbum::ReglagesNonEnregistres});
    }

    void enregistrerSous_data() {
        QTest::addColumn<bool>("inscriptible");
        QTest::newRow("enregistré sous B") << true;
        QTest::newRow("B non inscriptible") << false;
    }
    // After a save under another name every later save goes to that file, and the next start
    // reopens it; a save that failed leaves the album A's.
    void enregistrerSous() {
        QFETCH(bool, inscriptible);
        BancAlbum b;
        const QString a = b.chemin(QStringLiteral("a.alb"));
        ecrire(a, ecrireLignesAlbum(photos(3)).value());
        b.donner(photos(3), QStringLiteral("A"), a);
        Reglages::ecrire(b.ts.settings, Reglages::album(), QStringLiteral("A"));
        Reglages::ecrire(b.ts.settings, Reglages::nomAlbum(), a);
        Reglages::ecrire(b.ts.settings, Reglages::repertoireOpen(), b.dir.path() + u'/');
        ecrire(b.chemin(QStringLiteral("f")), "pas un dossier");
        const QString dossierB =
            b.chemin(inscriptible ? QStringLiteral("b/") : QStringLiteral("f/"));
        QDir().mkpath(b.chemin(QStringLiteral("b")));
        b.ts.files.results << dossierB + QStringLiteral("b.alb");
        QVERIFY(b.album.enregistrerAlbum() ==
                (inscriptible ? Sauvegarde::Enregistree : Sauvegarde::Echouee));
        const QString fichier = inscriptible ? dossierB + QStringLiteral("b.alb") : a;
        QCOMPARE(b.album.FichierAlbum, fichier);
        QCOMPARE(b.album.TitreAlbum, inscriptible ? QStringLiteral("B") : QStringLiteral("A"));
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::album()), b.album.TitreAlbum);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::nomAlbum()), fichier);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::repertoireOpen()),
                 inscriptible ? dossierB : b.dir.path() + u'/');

        QVERIFY(b.album.Supp(0));
        QCOMPARE(contenu(fichier), ecrireLignesAlbum(photos(3).mid(1)).value());
        if (inscriptible)
            QCOMPARE(contenu(a), ecrireLignesAlbum(photos(3)).value());
    }

    // "Enregistrer Album" names the album once, even when it had no name.
    void enregistrerAlbum() {
        BancAlbum b;
        b.donner(photos(2), QString(), b.chemin(QStringLiteral("ouvert.alb")));
        const QString dossier = b.chemin(QStringLiteral("Mes albums/"));
        QDir().mkpath(dossier);
        b.ts.files.results << dossier + QStringLiteral("voyage") << dossier + QStringLiteral("x");
        b.ts.prompts.answers << false << true << false; // the last one ends a naming loop
        QVERIFY(!b.album.enregistrerAlbum());
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::repertoireSave()), dossier);
        QVERIFY(b.album.enregistrerAlbum() == Sauvegarde::Enregistree);
        QCOMPARE(b.ts.prompts.asked,
                 (QStringList{TextesAlbum::confirmerSauvegarde(dossier + "voyage.alb"),
                              TextesAlbum::confirmerSauvegarde(dossier + "x.alb")}));
        QCOMPARE(b.ts.files.requests.last().startFolder, dossier);
        QCOMPARE(contenu(dossier + "x.alb"), ecrireLignesAlbum(photos(2)).value());
        QCOMPARE(contenu(dossier + "voyage.alb"), QByteArray("<absent>"));
        QCOMPARE(b.album.TitreAlbum, QStringLiteral("X"));
    }

    void fermer_data() {
        QTest::addColumn<bool>("modifie");
        QTest::addColumn<bool>("oui");
        QTest::newRow("sans changement") << false << true;
        QTest::newRow("non") << true << false;
        QTest::newRow("oui") << true << true;
    }
    void fermer() {
        QFETCH(bool, modifie);
        QFETCH(bool, oui);
        BancAlbum b;
        b.donner(photos(2), QStringLiteral("A"), b.chemin(QStringLiteral("a.alb")));
        b.album.AlbumModifie = modifie;
        b.ts.prompts.answers << oui;
        QVERIFY(b.album.fermer());
        QCOMPARE(b.ts.prompts.asked.size(), modifie ? 1 : 0);
        QCOMPARE(QFile::exists(b.album.FichierAlbum), modifie && oui);
    }
};

QTEST_GUILESS_MAIN(TestAlbumSauvegarde)
#include "test_album_sauvegarde.moc"
