#include "album/album.h"
#include "album/formatalbum.h"
#include "album/miroir.h"
#include "album/textesalbum.h"
#include "doubles.h"
#include "settings/reglages.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

using Sauvegarde = Album::Sauvegarde;
const QString Absent = QStringLiteral("<absent>");

QString cle(const SettingsStore& s, int i) {
    return s.read(Reglages::Section::ListeDeFichiers, Reglages::fichier(i).cle, Absent);
}
// Keys 0 to n - 1 of the mirror, absent ones included.
QStringList cles(const SettingsStore& s, int n) {
    QStringList v;
    for (int i = 0; i < n; ++i)
        v << cle(s, i);
    return v;
}
QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}
void ecrire(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}
QStringList photos(int n, const QString& prefixe = QStringLiteral("/p/")) {
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << prefixe + QString::number(i) + QStringLiteral(".jpg");
    return l;
}

// Settings in memory, for albums too long for the file-backed store to rewrite quickly.
class MemoireReglages final : public SettingsStore {
public:
    QMap<QString, QString> v;
    QString read(const QString& s, const QString& k, const QString& d) const override {
        return v.value(s + u'/' + k, d);
    }
    void write(const QString& s, const QString& k, const QString& x) override {
        v[s + u'/' + k] = x;
    }
    void removeKey(const QString& s, const QString& k) override { v.remove(s + u'/' + k); }
    void removeSection(const QString& s) override {
        v.removeIf(
            [&](QMap<QString, QString>::iterator it) { return it.key().startsWith(s + u'/'); });
    }
};

// An album over test doubles, whose program folder is a temporary folder.
struct Banc {
    TestServices ts;
    QTemporaryDir dir;
    Album album{ts.settings, ts.prompts, ts.files, dir.path()};
    QString chemin(const QString& nom) const { return dir.filePath(nom); }
    void donner(const QStringList& liste, const QString& titre = {}, const QString& fichier = {}) {
        album.Liste = liste;
        RecrireMiroir(ts.settings, liste);
        album.TitreAlbum = titre;
        album.FichierAlbum = fichier;
    }
};

} // namespace

class TestAlbum : public QObject {
    Q_OBJECT
private slots:
    // A named album: the file and the mirror hold the list, and a longer former mirror is gone.
    void sauvegarderNomme() {
        Banc b;
        RecrireMiroir(b.ts.settings, photos(15, QStringLiteral("/ancien/")));
        b.album.Liste = photos(11);
        b.album.TitreAlbum = QStringLiteral("VAC");
        b.album.AlbumModifie = true;
        QString fichier = b.chemin(QStringLiteral("vac.alb"));
        ecrire(fichier, "0000 /ancien.jpg\r\n0001 /autre.jpg\r\n0002 /x.jpg\r\n");
        QCOMPARE(b.album.Sauvegarder(fichier), Sauvegarde::Enregistree);
        QCOMPARE(contenu(fichier), EcrireLignesAlbum(photos(11)).value());
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
        QTest::newRow("sans extension")
            << QList<bool>{true} << QStringList{"vacances"} << "vacances.alb";
        QTest::newRow("capitales")
            << QList<bool>{true} << QStringList{"VACANCES.ALB"} << "VACANCES.ALB";
        QTest::newRow("mélange") << QList<bool>{true} << QStringList{"x.Alb"} << "x.Alb";
        QTest::newRow("autre extension")
            << QList<bool>{true} << QStringList{"photos.alb.txt"} << "photos.alb.txt.alb";
        QTest::newRow("dialogue annulé")
            << QList<bool>{true, true} << QStringList{"", "a"} << "a.alb";
        QTest::newRow("abandon") << QList<bool>{true, false} << QStringList{""} << "";
    }
    // An album without a name is named through the dialog; giving up keeps the mirror.
    void nommer() {
        QFETCH(QList<bool>, reponses);
        QFETCH(QStringList, choix);
        QFETCH(QString, attendu);
        Banc b;
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
        QCOMPARE(b.album.TitreAlbum, b.chemin(attendu));
        QCOMPARE(contenu(fichier), EcrireLignesAlbum(photos(3)).value());
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::repertoireSave()), b.dir.path() + u'/');
        QCOMPARE(b.ts.prompts.asked, QStringList(reponses.size(), TextesAlbum::NomCorrect));
        // The file named is the album's from now on, also at the next start.
        QCOMPARE(b.album.FichierAlbum, fichier);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::nomAlbum()), fichier);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::album()),
                 Album::TitreDuFichier(attendu).value());
    }

    // The file cannot be written: the user is told which and why, the list stays, the mirror
    // holds it, and closing offers to save again but stays open when that fails too.
    void echecEcriture() {
        Banc b;
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
        QVERIFY(!b.album.Fermer());
        QCOMPARE(b.ts.prompts.asked[1], TextesAlbum::AlbumModifie);
        b.ts.prompts.answers << false;
        QVERIFY(b.album.Fermer());
    }

    // More photos than a file holds: refused with a message, the previous file intact, the
    // mirror complete.
    void tropDePhotos() {
        TestServices ts;
        MemoireReglages reglages;
        QTemporaryDir dir;
        Album album(reglages, ts.prompts, ts.files, dir.path());
        const QString fichier = dir.filePath(QStringLiteral("grand.alb"));
        ecrire(fichier, "0000 /ancien.jpg\r\n");
        album.Liste = photos(10001);
        album.TitreAlbum = QStringLiteral("GRAND");
        album.FichierAlbum = fichier;
        QCOMPARE(album.Sauvegarder(album.FichierAlbum), Sauvegarde::Echouee);
        QCOMPARE(ts.prompts.asked, QStringList{TextesAlbum::TropDePhotos(10001)});
        QCOMPARE(contenu(fichier), QByteArray("0000 /ancien.jpg\r\n"));
        QCOMPARE(LireMiroir(reglages), photos(10001));
        QVERIFY(album.AlbumModifie);
        QVERIFY(album.EnregistrerAlbum() == Sauvegarde::Echouee);
        QVERIFY(ts.files.calls.isEmpty());
    }

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
        Banc b;
        const QString fichier = b.chemin(QStringLiteral("a.alb"));
        b.donner(photos(nombre), nomme ? QStringLiteral("A") : QString(), fichier);
        ecrire(fichier, EcrireLignesAlbum(photos(nombre)).value());
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
        QCOMPARE(contenu(fichier), EcrireLignesAlbum(nomme ? attendu : photos(nombre)).value());
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
        QCOMPARE(Album::TitreDuFichier(fichier).value_or("-"), attendu);
    }

    // Lines keep their own numbers as keys: a gap ends the mirror, a repeated number wins.
    void reouvrir() {
        Banc b;
        b.donner(photos(8), QString(), b.chemin(QStringLiteral("Vacances.alb")));
        ecrire(b.album.FichierAlbum,
               "\xEF\xBB\xBF"
               "0000 /a.jpg\r\n0001 /\xC5\x81.jpg\r\nabcd /x\r\n0005 /c.jpg\r\n0001 /d.jpg\r\n");
        b.album.ReouvrirFichier();
        QCOMPARE(b.album.Liste, (QStringList{"/a.jpg", u"/Ł.jpg"_qs, "/c.jpg", "/d.jpg"}));
        QCOMPARE(cles(b.ts.settings, 8), (QStringList{"/a.jpg", "/d.jpg", Absent, Absent, Absent,
                                                      "/c.jpg", Absent, Absent}));
        QCOMPARE(b.album.TitreAlbum, QStringLiteral("VACANCES"));

        b.album.FichierAlbum = b.chemin(QStringLiteral("ab")); // missing, name too short
        b.album.ReouvrirFichier();
        QVERIFY(b.album.Liste.isEmpty());
        QCOMPARE(cle(b.ts.settings, 0), Absent);
        QCOMPARE(b.album.TitreAlbum, QStringLiteral("VACANCES"));
    }

    void ouvrirAlbum() {
        Banc b;
        b.donner(photos(2), QStringLiteral("ANCIEN"), b.chemin(QStringLiteral("ancien.alb")));
        b.album.AlbumModifie = true;
        b.ts.prompts.answers << true;
        QVERIFY(!b.album.OuvrirAlbum()); // the save first, then the dialog is cancelled
        QCOMPARE(contenu(b.chemin(QStringLiteral("ancien.alb"))),
                 EcrireLignesAlbum(photos(2)).value());
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
        QVERIFY(b.album.OuvrirAlbum());
        QCOMPARE(b.album.Liste, (QStringList{"/Photos/a.jpg", "/Photos/b.jpg"}));
        QCOMPARE(LireMiroir(b.ts.settings), b.album.Liste);
        QCOMPARE(b.album.FichierAlbum, fichier);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::album()), QStringLiteral("VACANCES"));
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::nomAlbum()), fichier);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::repertoireOpen()),
                 b.chemin(QStringLiteral("Albums/")));
    }

    // Unsaved changes that cannot be saved are not replaced by the album being opened.
    void ouvrirApresEchec() {
        Banc b;
        ecrire(b.chemin(QStringLiteral("f")), "x");
        b.donner(photos(2), QStringLiteral("A"), b.chemin(QStringLiteral("f/a.alb")));
        b.album.AlbumModifie = true;
        b.ts.files.results << b.chemin(QStringLiteral("autre.alb"));
        QVERIFY(!b.album.OuvrirAlbum());
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
    }
    void commandePhotos() {
        QFETCH(int, avant);
        QFETCH(QString, titre);
        QFETCH(bool, nouvel);
        QFETCH(QString, choix);
        QFETCH(QStringList, attendu);
        QFETCH(QString, explore);
        Banc b;
        b.donner(photos(avant), titre, QStringLiteral("/albums/a.alb"));
        Reglages::ecrire(b.ts.settings, Reglages::album(), titre);
        b.ts.prompts.answers << nouvel;
        b.ts.files.results << choix;
        QCOMPARE(b.album.Photos(),
                 nouvel ? Album::ResultatPhotos::NouvelAlbum : Album::ResultatPhotos::Ajoutees);
        QCOMPARE(b.ts.files.requests.first().filter, TextesAlbum::FiltrePhotos);
        QCOMPARE(b.ts.prompts.asked, avant ? QStringList{TextesAlbum::NouvelAlbum} : QStringList());
        QCOMPARE(b.album.Liste, attendu);
        QCOMPARE(cles(b.ts.settings, int(attendu.size()) + 1), QStringList(attendu) << Absent);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::repertoireExplore()), explore);
        // Photos the user added are offered to be saved before anything replaces them.
        QVERIFY(b.album.AlbumModifie);
        QCOMPARE(b.album.TitreAlbum, nouvel ? QString() : titre);
        // A new album is no longer the one the next start would reopen over it.
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::album()), b.album.TitreAlbum);
        QCOMPARE(b.album.FichierAlbum, QStringLiteral("/albums/a.alb"));

        QCOMPARE(b.album.Photos(), Album::ResultatPhotos::Annule);
        QCOMPARE(b.album.Liste.size(), attendu.size());
    }

    void enregistrerSous_data() {
        QTest::addColumn<bool>("inscriptible");
        QTest::newRow("saved as B") << true;
        QTest::newRow("B cannot be written") << false;
    }
    // After a save under another name every later save goes to that file, and the next start
    // reopens it; a save that failed leaves the album A's.
    void enregistrerSous() {
        QFETCH(bool, inscriptible);
        Banc b;
        const QString a = b.chemin(QStringLiteral("a.alb"));
        ecrire(a, EcrireLignesAlbum(photos(3)).value());
        b.donner(photos(3), QStringLiteral("A"), a);
        Reglages::ecrire(b.ts.settings, Reglages::album(), QStringLiteral("A"));
        Reglages::ecrire(b.ts.settings, Reglages::nomAlbum(), a);
        Reglages::ecrire(b.ts.settings, Reglages::repertoireOpen(), b.dir.path() + u'/');
        ecrire(b.chemin(QStringLiteral("f")), "pas un dossier");
        const QString dossierB =
            b.chemin(inscriptible ? QStringLiteral("b/") : QStringLiteral("f/"));
        QDir().mkpath(b.chemin(QStringLiteral("b")));
        b.ts.files.results << dossierB + QStringLiteral("b.alb");
        QVERIFY(b.album.EnregistrerAlbum() ==
                (inscriptible ? Sauvegarde::Enregistree : Sauvegarde::Echouee));
        const QString fichier = inscriptible ? dossierB + QStringLiteral("b.alb") : a;
        QCOMPARE(b.album.FichierAlbum, fichier);
        QCOMPARE(b.album.TitreAlbum, inscriptible ? QStringLiteral("B") : QStringLiteral("A"));
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::album()), b.album.TitreAlbum);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::nomAlbum()), fichier);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::repertoireOpen()),
                 inscriptible ? dossierB : b.dir.path() + u'/');

        QVERIFY(b.album.Supp(0));
        QCOMPARE(contenu(fichier), EcrireLignesAlbum(photos(3).mid(1)).value());
        if (inscriptible)
            QCOMPARE(contenu(a), EcrireLignesAlbum(photos(3)).value());
    }

    // "Enregistrer Album" names the album once, even when it had no name.
    void enregistrerAlbum() {
        Banc b;
        b.donner(photos(2), QString(), b.chemin(QStringLiteral("ouvert.alb")));
        const QString dossier = b.chemin(QStringLiteral("Mes albums/"));
        QDir().mkpath(dossier);
        b.ts.files.results << dossier + QStringLiteral("voyage") << dossier + QStringLiteral("x");
        b.ts.prompts.answers << false << true << false; // the last one ends a naming loop
        QVERIFY(!b.album.EnregistrerAlbum());
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::repertoireSave()), dossier);
        QVERIFY(b.album.EnregistrerAlbum() == Sauvegarde::Enregistree);
        QCOMPARE(b.ts.prompts.asked,
                 (QStringList{TextesAlbum::ConfirmerSauvegarde(dossier + "voyage.alb"),
                              TextesAlbum::ConfirmerSauvegarde(dossier + "x.alb")}));
        QCOMPARE(b.ts.files.requests.last().startFolder, dossier);
        QCOMPARE(contenu(dossier + "x.alb"), EcrireLignesAlbum(photos(2)).value());
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
        Banc b;
        b.donner(photos(2), QStringLiteral("A"), b.chemin(QStringLiteral("a.alb")));
        b.album.AlbumModifie = modifie;
        b.ts.prompts.answers << oui;
        QVERIFY(b.album.Fermer());
        QCOMPARE(b.ts.prompts.asked.size(), modifie ? 1 : 0);
        QCOMPARE(QFile::exists(b.album.FichierAlbum), modifie && oui);
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
        Banc b;
        Reglages::ecrire(b.ts.settings, Reglages::album(), nom);
        if (!dossier.isEmpty())
            Reglages::ecrire(b.ts.settings, Reglages::repertoireOpen(), b.chemin(dossier));
        if (!surDisque.isEmpty())
            ecrire(b.chemin(surDisque), "0000 /dans/le/fichier.jpg\r\n");
        // An empty list is not reopened, but stays the remembered album's.
        QVERIFY(!b.album.RetrouverDernierAlbum());
        QVERIFY(b.album.Liste.isEmpty());
        QCOMPARE(b.album.TitreAlbum, SansBlancs(nom));
        QCOMPARE(b.album.FichierAlbum, nom.isEmpty() ? QString() : b.chemin(fichier));

        b.donner(photos(1));
        const bool rouvert = !nom.isEmpty() && !surDisque.isEmpty();
        QCOMPARE(b.album.RetrouverDernierAlbum(), rouvert);
        QCOMPARE(b.album.FichierAlbum, b.chemin(fichier));
        QCOMPARE(b.album.TitreAlbum, SansBlancs(nom));
        // A file that cannot be read leaves the list the screen saver shows.
        const QStringList liste = rouvert ? QStringList{"/dans/le/fichier.jpg"} : photos(1);
        QCOMPARE(b.album.Liste, liste);
        QCOMPARE(LireMiroir(b.ts.settings), liste);
    }
};

QTEST_GUILESS_MAIN(TestAlbum)
#include "test_album.moc"
