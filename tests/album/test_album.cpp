// The album's list: opened from a file, reopened at start-up, photos added and removed, and the
// title a file name gives.
#include "album/fichieralbum.h"
#include "album/formatalbum.h"
#include "album/textesalbum.h"
#include "bancalbum.h"
#include "fichiers.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestAlbum : public QObject {
    Q_OBJECT
private slots:
    void supp_data() {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<bool>("nomme");
        QTest::addColumn<QList<bool>>("reponses");
        QTest::addColumn<QStringList>("attendu"); // list and mirror afterwards
        QTest::newRow("non") << 5 << true << QList<bool>{false} << photos(5);
        QTest::newRow("oui") << 5 << true << QList<bool>{true}
                             << photos(5).mid(0, 2) + photos(5).mid(3);
        QTest::newRow("la seule") << 1 << true << QList<bool>{true} << QStringList();
        QTest::newRow("sans nom, abandon")
            << 3 << false << QList<bool>{true, false} << QStringList{"/p/0.jpg", "/p/1.jpg"};
    }
    void supp() {
        QFETCH(int, nombre);
        QFETCH(bool, nomme);
        QFETCH(QList<bool>, reponses);
        QFETCH(QStringList, attendu);
        BancAlbum b;
        const QString fichier = b.chemin(QStringLiteral("a.alb"));
        b.donner(photos(nombre), nomme ? QStringLiteral("A") : QString(), fichier);
        ecrire(fichier, ecrireLignesAlbum(photos(nombre)).value());
        for (bool r : reponses)
            b.ts.prompts.answers << r;
        int vus = -1;
        const bool retire =
            b.album.Supp(nombre == 1 ? 0 : 2, [&] { vus = int(b.album.Liste.size()); });
        QCOMPARE(retire, reponses.first());
        QCOMPARE(b.ts.prompts.asked.first(), TextesAlbum::EnleverPhoto);
        QCOMPARE(vus, retire ? nombre - 1 : -1);
        QCOMPARE(b.album.Liste, attendu);
        QCOMPARE(cles(b.ts.settings, nombre),
                 attendu + QStringList(nombre - attendu.size(), Absent));
        QCOMPARE(contenu(fichier), ecrireLignesAlbum(nomme ? attendu : photos(nombre)).value());
    }

    void titre_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("attendu"); // "-": no title
        QTest::newRow("nom") << "/a/vacances.alb"
                             << "VACANCES";
        QTest::newRow("accents") << "/a/été.alb" << u"ÉTÉ"_qs;
        QTest::newRow("quatre caractères") << "/a/.alb"
                                           << "";
        QTest::newRow("trop court") << "/a.b/ab"
                                    << "-";
        QTest::newRow("sans dossier") << "x.alb"
                                      << "X";
    }
    void titre() {
        QFETCH(QString, fichier);
        QFETCH(QString, attendu);
        QCOMPARE(Album::titreDuFichier(fichier).value_or("-"), attendu);
    }

    // Lines keep their own numbers as keys: a gap ends the mirror, a repeated number wins.
    void reouvrir() {
        BancAlbum b;
        b.donner(photos(8), QString(), b.chemin(QStringLiteral("Vacances.alb")));
        ecrire(b.album.FichierAlbum,
               "\xEF\xBB\xBF"
               "0000 /a.jpg\r\n0001 /\xC5\x81.jpg\r\nabcd /x\r\n0005 /c.jpg\r\n0001 /d.jpg\r\n");
        b.album.ReouvrirFichier();
        QCOMPARE(b.album.Liste, (QStringList{"/a.jpg", u"/Ł.jpg"_qs, "/c.jpg", "/d.jpg"}));
        QCOMPARE(cles(b.ts.settings, 8), (QStringList{"/a.jpg", "/d.jpg", Absent, Absent, Absent,
                                                      "/c.jpg", Absent, Absent}));
        QCOMPARE(b.album.TitreAlbum, QStringLiteral("VACANCES"));
    }

    // A file that is no album, or gives no photo, leaves the list and the mirror the show plays;
    // a file numbering more photos than an album holds gives its first ones. The user is told,
    // the file named.
    void fichierRefuse_data() {
        QTest::addColumn<QByteArray>("octets"); // the file; "-" for none
        QTest::addColumn<qint64>("taille");     // sparse size, when larger than the bytes
        QTest::addColumn<int>("lues");          // photos taken from it; -1: the list stays
        QTest::addColumn<int>("avis");          // which message
        QByteArray lignes;
        for (int i = 0; i <= MaxPhotosFichierAlbum; ++i)
            lignes += QStringLiteral("%1 /p/%2.jpg\r\n")
                          .arg(i % MaxPhotosFichierAlbum, 4, 10, QChar(u'0'))
                          .arg(i)
                          .toLatin1();
        QTest::newRow("absent") << QByteArray("-") << qint64(0) << -1 << 0;
        QTest::newRow("aucune ligne valide")
            << QByteArray("rien\r\nx 0001 /a.jpg\r\n") << qint64(0) << -1 << 1;
        QTest::newRow("trop gros, non lu")
            << QByteArray("0000 /a.jpg\r\n") << MaxOctetsFichierAlbum + 1 << -1 << 2;
        QTest::newRow("trop de lignes") << lignes << qint64(0) << int(MaxPhotosFichierAlbum) << 3;
    }
    void fichierRefuse() {
        QFETCH(QByteArray, octets);
        QFETCH(qint64, taille);
        QFETCH(int, lues);
        QFETCH(int, avis);
        BancAlbum b;
        b.donner(photos(3), QStringLiteral("A"), b.chemin(QStringLiteral("a.alb")));
        const QString fichier = b.chemin(QStringLiteral("f.alb"));
        if (octets != "-")
            ecrire(fichier, octets);
        if (taille > 0)
            QVERIFY(QFile::resize(fichier, taille));
        b.ts.files.results << fichier;
        QCOMPARE(b.album.ouvrirAlbum(), lues >= 0);
        const QStringList messages = {TextesAlbum::illisible(fichier),
                                      TextesAlbum::aucunePhoto(fichier),
                                      TextesAlbum::fichierTropGros(fichier, MaxOctetsFichierAlbum),
                                      TextesAlbum::lectureArretee(fichier, MaxPhotosFichierAlbum)};
        QCOMPARE(b.ts.prompts.asked, QStringList{messages[avis]});
        const QStringList attendu = photos(lues < 0 ? 3 : lues);
        QCOMPARE(b.album.Liste, attendu);
        QCOMPARE(ChargerPhotos(b.ts.settings), attendu);
        QCOMPARE(b.album.FichierAlbum, lues < 0 ? b.chemin(QStringLiteral("a.alb")) : fichier);
    }

    void ouvrirAlbum() {
        BancAlbum b;
        b.donner(photos(2), QStringLiteral("ANCIEN"), b.chemin(QStringLiteral("ancien.alb")));
        b.album.AlbumModifie = true;
        b.ts.prompts.answers << true;
        QVERIFY(!b.album.ouvrirAlbum()); // the save first, then the dialog is cancelled
        QCOMPARE(contenu(b.chemin(QStringLiteral("ancien.alb"))),
                 ecrireLignesAlbum(photos(2)).value());
        QCOMPARE(b.ts.files.requests.last().title, TextesAlbum::TitreOuvrir);
        // The folder of the album just saved.
        QCOMPARE(b.ts.files.requests.last().startFolder, b.dir.path() + u'/');
        QCOMPARE(b.album.Liste, photos(2));
        QCOMPARE(b.album.TitreAlbum, QStringLiteral("ANCIEN"));
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::nomAlbum()),
                 b.chemin(QStringLiteral("ancien.alb")));

        const QString fichier = b.chemin(QStringLiteral("Albums/vacances.alb"));
        ecrire(fichier, "0000 /Photos/a.jpg\r\n0001 /Photos/b.jpg\r\n");
        b.ts.files.results << fichier;
        QVERIFY(b.album.ouvrirAlbum());
        QCOMPARE(b.album.Liste, (QStringList{"/Photos/a.jpg", "/Photos/b.jpg"}));
        QCOMPARE(ChargerPhotos(b.ts.settings), b.album.Liste);
        QCOMPARE(b.album.FichierAlbum, fichier);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::album()), QStringLiteral("VACANCES"));
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::nomAlbum()), fichier);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::repertoireOpen()),
                 b.chemin(QStringLiteral("Albums/")));
    }

    // Unsaved changes that cannot be saved are not replaced by the album being opened.
    void ouvrirApresEchec() {
        BancAlbum b;
        ecrire(b.chemin(QStringLiteral("f")), "x");
        b.donner(photos(2), QStringLiteral("A"), b.chemin(QStringLiteral("f/a.alb")));
        b.album.AlbumModifie = true;
        b.ts.files.results << b.chemin(QStringLiteral("autre.alb"));
        QVERIFY(!b.album.ouvrirAlbum());
        QVERIFY(b.ts.files.calls.isEmpty());
        QCOMPARE(b.album.Liste, photos(2));
    }

    void commandePhotos_data() {
        const QChar nul(0);
        QTest::addColumn<int>("avant");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<bool>("nouvel");
        QTest::addColumn<QString>("choix");
        QTest::addColumn<QStringList>("attendu"); // list and mirror
        QTest::addColumn<QString>("explore");
        QTest::newRow("une, liste vide")
            << 0 << "" << false << "/Photos/a.jpg" << QStringList{"/Photos/a.jpg"} << "/Photos/";
        QTest::newRow("trois, ajoutées")
            << 5 << "A" << false << QString("/D") + nul + "a.jpg" + nul + "b.jpg" + nul + "c.jpg"
            << photos(5) + QStringList{"/D/a.jpg", "/D/b.jpg", "/D/c.jpg"} << "/D/";
        QTest::newRow("trois, nouvel album")
            << 5 << "A" << true << QString("/D") + nul + "a.jpg" + nul + "b.jpg" + nul + "c.jpg"
            << QStringList{"/D/a.jpg", "/D/b.jpg", "/D/c.jpg"} << "/D/";
        QTest::newRow("racine") << 0 << "" << false << QString("/") + nul + "a.jpg" + nul + "b.jpg"
                                << QStringList{"/a.jpg", "/b.jpg"} << "/";
        QTest::newRow("racine, une")
            << 0 << "" << false << "/a.jpg" << QStringList{"/a.jpg"} << "/";
        QTest::newRow("blancs") << 0 << "" << false
                                << QString(" /D ") + nul + " a.jpg " + nul + " b "
                                << QStringList{"/D/ a.jpg", "/D/ b"} << "/D/";
        QTest::newRow("album nommé vidé")
            << 0 << "A" << false << "/P/a.jpg" << QStringList{"/P/a.jpg"} << "/P/";
        QTest::newRow("un dossier, gardé tel quel")
            << 5 << "A" << false << "/Photos/Noel/" << photos(5) + QStringList{"/Photos/Noel/"}
            << "/Photos/";
    }
    void commandePhotos() {
        QFETCH(int, avant);
        QFETCH(QString, titre);
        QFETCH(bool, nouvel);
        QFETCH(QString, choix);
        QFETCH(QStringList, attendu);
        QFETCH(QString, explore);
        BancAlbum b;
        b.donner(photos(avant), titre, QStringLiteral("/albums/a.alb"));
        Reglages::ecrire(b.ts.settings, Reglages::album(), titre);
        b.ts.prompts.answers << nouvel;
        b.ts.files.results << choix;
        QCOMPARE(b.album.photos(),
                 nouvel ? Album::ResultatPhotos::NouvelAlbum : Album::ResultatPhotos::Ajoutees);
        // Every format read first, then the filter the dialog always offered, as it was.
        const QString filtre = b.ts.files.requests.first().filter;
        QVERIFY(filtre.startsWith(
            QStringLiteral("Les images de tous les formats "
                           "lus|*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.webp;*.tif;*.tiff;*.heic;"
                           "*.heif;*.avif|")));
        QVERIFY(filtre.endsWith(QStringLiteral(
            "|Les images au format JPG,GIF,BMP,JPEG|*.jpg;*.gif;*.bmp;*.jpeg|Les images au format "
            "JPG,JPEG|*.jpg;*.jpeg|Les images au format BMP|*.bmp |Les images au format "
            "gif|*.gif")));
        QCOMPARE(b.ts.prompts.asked, avant ? QStringList{TextesAlbum::NouvelAlbum} : QStringList());
        QCOMPARE(b.album.Liste, attendu);
        QCOMPARE(cles(b.ts.settings, int(attendu.size()) + 1), QStringList(attendu) << Absent);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::repertoireExplore()), explore);
        // photos the user added are offered to be saved before anything replaces them.
        QVERIFY(b.album.AlbumModifie);
        QCOMPARE(b.album.TitreAlbum, nouvel ? QString() : titre);
        // A new album is no longer the one the next start would reopen over it.
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::album()), b.album.TitreAlbum);
        QCOMPARE(b.album.FichierAlbum, QStringLiteral("/albums/a.alb"));

        QCOMPARE(b.album.photos(), Album::ResultatPhotos::Annule);
        QCOMPARE(b.album.Liste.size(), attendu.size());
    }

    // The album opened last is reopened at start-up only when the mirror is not empty.
    void retrouverDernierAlbum_data() {
        QTest::addColumn<QString>("nom");       // "Demarrage"/"Album"
        QTest::addColumn<QString>("dossier");   // "Demarrage"/"RepertoireOpen", relative
        QTest::addColumn<QString>("surDisque"); // the album file, relative
        QTest::addColumn<QString>("fichier");   // expected FichierAlbum, relative
        QTest::newRow("dossier retenu") << "VAC"
                                        << "albums/"
                                        << "albums/VAC.alb"
                                        << "albums/VAC.alb";
        QTest::newRow("fichier en minuscules") << "VAC"
                                               << "albums/"
                                               << "albums/vac.alb"
                                               << "albums/vac.alb";
        QTest::newRow("dossier du programme") << "VAC"
                                              << ""
                                              << "VAC.alb"
                                              << "VAC.alb";
        QTest::newRow("blancs") << "  "
                                << ""
                                << ".alb"
                                << ".alb";
        QTest::newRow("aucun") << ""
                               << ""
                               << ".alb"
                               << ".alb";
        QTest::newRow("fichier illisible") << "VAC"
                                           << "albums/"
                                           << ""
                                           << "albums/VAC.alb";
    }
    void retrouverDernierAlbum() {
        QFETCH(QString, nom);
        QFETCH(QString, dossier);
        QFETCH(QString, surDisque);
        QFETCH(QString, fichier);
        BancAlbum b;
        Reglages::ecrire(b.ts.settings, Reglages::album(), nom);
        if (!dossier.isEmpty())
            Reglages::ecrire(b.ts.settings, Reglages::repertoireOpen(), b.chemin(dossier));
        if (!surDisque.isEmpty())
            ecrire(b.chemin(surDisque), "0000 /dans/le/fichier.jpg\r\n");
        // An empty list is not reopened, but stays the remembered album's.
        QVERIFY(!b.album.retrouverDernierAlbum());
        QVERIFY(b.album.Liste.isEmpty());
        QCOMPARE(b.album.TitreAlbum, sansBlancs(nom));
        QCOMPARE(b.album.FichierAlbum, nom.isEmpty() ? QString() : b.chemin(fichier));

        b.donner(photos(1));
        const bool rouvert = !nom.isEmpty() && !surDisque.isEmpty();
        QCOMPARE(b.album.retrouverDernierAlbum(), rouvert);
        QCOMPARE(b.album.FichierAlbum, b.chemin(fichier));
        QCOMPARE(b.album.TitreAlbum, sansBlancs(nom));
        // A file that cannot be read leaves the list the screen saver shows.
        const QStringList liste = rouvert ? QStringList{"/dans/le/fichier.jpg"} : photos(1);
        QCOMPARE(b.album.Liste, liste);
        QCOMPARE(ChargerPhotos(b.ts.settings), liste);
    }
};

QTEST_GUILESS_MAIN(TestAlbum)
#include "test_album.moc"
