// The weekday wallpaper rules without widgets: day keys, the enabled state of the confirm and
// remove buttons, confirm and remove for today and another day, and what a failed application
// tells. The fixed clock says Monday: day index 1, "Wall 1".
#include "doubles.h"
#include "fichiers.h"
#include "samples.h"
#include "wallpaper/editeurfonds.h"
#include "wallpaper/ouvririmage.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Wallpaper = QStringLiteral("Wallpaper");
constexpr int Lundi = 1;
constexpr int Jeudi = 4;

struct Banc {
    TestServices ts;
    QTemporaryDir dossier;
    QString programme = dossier.filePath(QStringLiteral("programme"));
    QString secours = dossier.filePath(QStringLiteral("secours"));
    EditeurFonds editeur{ts.services, programme, secours};

    QString image(const QString& nom = QStringLiteral("jour.jpg")) {
        const QString chemin = dossier.filePath(nom);
        Samples::write(Samples::paint(QSize(90, 60), 2), chemin, Samples::Format::Jpeg);
        return chemin;
    }
    QString lire(const QString& cle) const { return ts.settings.read(Wallpaper, cle, "absent"); }
    QString bitmap() const { return QDir(programme).filePath(QStringLiteral("LMV.bmp")); }
};

// "10": DeValider, Valider (their captions follow them).
QString etat(const EditeurFonds::Activation& a) {
    QString s;
    for (bool b : {a.deValider, a.valider})
        s += b ? u'1' : u'0';
    return s;
}

} // namespace

class TestEditeurFonds : public QObject {
    Q_OBJECT
private slots:
    void clesDesJours_data();
    void clesDesJours();
    void activation_data();
    void activation();
    void confirmer_data();
    void confirmer();
    void echecAujourdhui_data();
    void echecAujourdhui();
    void ouvrirSeulementUneImage_data();
    void ouvrirSeulementUneImage();
};

void TestEditeurFonds::clesDesJours_data() {
    QTest::addColumn<int>("jour");
    QTest::addColumn<QString>("cle");
    QTest::newRow("Dimanche") << 0 << "Wall 0";
    QTest::newRow("Mercredi") << 3 << "Wall 3";
    QTest::newRow("Samedi") << 6 << "Wall 6";
}

void TestEditeurFonds::clesDesJours() {
    QFETCH(int, jour);
    QFETCH(QString, cle);
    Banc b;
    b.ts.settings.write(Wallpaper, cle, QStringLiteral("/photos/jour.jpg"));
    QCOMPARE(b.editeur.choisirJour(jour), QStringLiteral("/photos/jour.jpg"));
    fixer(b.ts.prompts.answers, {true});
    QCOMPARE(b.editeur.confirmer(QStringLiteral("/photos/autre.jpg")),
             EditeurFonds::Issue::Enregistree);
    QCOMPARE(b.lire(cle), QStringLiteral("/photos/autre.jpg"));
    fixer(b.ts.prompts.answers, {true});
    QVERIFY(b.editeur.enlever());
    QCOMPARE(b.lire(cle), QStringLiteral("absent"));
}

// Each row: what the day holds, then the events; the two buttons afterwards.
void TestEditeurFonds::activation_data() {
    QTest::addColumn<QString>("stocke"); // "absent", "" or a path
    QTest::addColumn<QStringList>("evenements");
    QTest::addColumn<QString>("attendu");
    const QString image = QStringLiteral("/photos/jour.jpg");
    QTest::newRow("jour avec image") << image << QStringList{} << "11";
    QTest::newRow("jour sans image") << "absent" << QStringList{} << "00";
    QTest::newRow("jour a valeur vide") << "" << QStringList{} << "00";
    QTest::newRow("image choisie") << "absent" << QStringList{"choisie"} << "11";
    QTest::newRow("entree d'album") << "absent" << QStringList{"album"} << "01";
    QTest::newRow("confirmee un autre jour") << image << QStringList{"jeudi", "oui"} << "00";
    QTest::newRow("confirmee aujourd'hui") << image << QStringList{"oui"} << "00";
    QTest::newRow("aujourd'hui, apercu vide") << image << QStringList{"oui vide"} << "11";
    QTest::newRow("refusee") << image << QStringList{"non"} << "11";
    QTest::newRow("enlevee") << image << QStringList{"enlever"} << "00";
    QTest::newRow("enlever refuse") << image << QStringList{"garder"} << "11";
}

void TestEditeurFonds::activation() {
    QFETCH(QString, stocke);
    QFETCH(QStringList, evenements);
    QFETCH(QString, attendu);
    Banc b;
    const QString image = b.image();
    int jour = Lundi;
    if (evenements.contains(QStringLiteral("jeudi")))
        jour = Jeudi;
    if (stocke != u"absent")
        b.ts.settings.write(Wallpaper, QStringLiteral("Wall %1").arg(jour),
                            stocke.isEmpty() ? stocke : image);
    b.editeur.choisirJour(jour);
    QSignalSpy fin(&b.editeur, &EditeurFonds::applicationTerminee);
    for (const QString& e : evenements) {
        fixer(b.ts.prompts.answers, {e != u"non" && e != u"garder"});
        if (e == u"choisie")
            b.editeur.imageChoisie();
        else if (e == u"album")
            b.editeur.entreeAlbumChoisie();
        else if (e == u"oui vide")
            QCOMPARE(b.editeur.confirmer(QString()), EditeurFonds::Issue::ApercuVide);
        else if (e == u"oui" || e == u"non")
            b.editeur.confirmer(image);
        else if (e == u"enlever" || e == u"garder")
            b.editeur.enlever();
    }
    if (b.editeur.applicationEnCours())
        QVERIFY(fin.wait());
    QCOMPARE(etat(b.editeur.activation()), attendu);
}

void TestEditeurFonds::confirmer_data() {
    QTest::addColumn<int>("jour");
    QTest::addColumn<bool>("oui");
    QTest::addColumn<bool>("vide");
    QTest::addColumn<bool>("applique");
    QTest::newRow("autre jour") << Jeudi << true << false << false;
    QTest::newRow("aujourd'hui") << Lundi << true << false << true;
    QTest::newRow("aujourd'hui, Non") << Lundi << false << false << false;
    QTest::newRow("aujourd'hui, apercu vide") << Lundi << true << true << false;
}

void TestEditeurFonds::confirmer() {
    QFETCH(int, jour);
    QFETCH(bool, oui);
    QFETCH(bool, vide);
    QFETCH(bool, applique);
    Banc b;
    b.ts.settings.write(Wallpaper, QStringLiteral("Wall %1").arg(jour), QStringLiteral("avant"));
    const QString image = vide ? QString() : b.image();
    b.editeur.choisirJour(jour);
    fixer(b.ts.prompts.answers, {oui});
    QSignalSpy fin(&b.editeur, &EditeurFonds::applicationTerminee);
    const EditeurFonds::Issue issue = b.editeur.confirmer(image);
    QCOMPARE(b.ts.prompts.asked,
             QStringList{QStringLiteral("Cliquez sur OUI pour accepter cette image ?")});
    QCOMPARE(b.ts.prompts.kinds, QStringList{QStringLiteral("yesno")});
    QCOMPARE(b.lire(QStringLiteral("Wall %1").arg(jour)), oui ? image : QStringLiteral("avant"));
    QCOMPARE(issue == EditeurFonds::Issue::Application, applique);
    if (applique) {
        QVERIFY(b.editeur.applicationEnCours());
        // Another confirmation waits for this one to end.
        QCOMPARE(b.editeur.confirmer(image), EditeurFonds::Issue::Refusee);
        QVERIFY(fin.wait());
        QCOMPARE(fin.first().first().toBool(), true);
    }
    const QString copie = QDir(b.programme).filePath(QStringLiteral("LMV-1.bmp"));
    QCOMPARE(b.ts.wallpaper.given, applique ? QStringList{copie} : QStringList{});
    QCOMPARE(QFile::exists(b.bitmap()), applique);
    QCOMPARE(b.lire(QStringLiteral("WallTemp")), applique ? image : QStringLiteral("absent"));
    QCOMPARE(b.ts.prompts.asked.size(), 1);
}

void TestEditeurFonds::echecAujourdhui_data() {
    QTest::addColumn<QString>("echec");
    QTest::addColumn<QString>("message");
    QTest::newRow("image illisible") << "illisible"
                                     << "ne peut pas être lue";
    QTest::newRow("bitmap impossible") << "dossiers"
                                       << "n'a pu être enregistrée ni dans";
    QTest::newRow("bureau qui refuse") << "bureau"
                                       << "le bureau a refusé";
}

void TestEditeurFonds::echecAujourdhui() {
    QFETCH(QString, echec);
    QFETCH(QString, message);
    Banc b;
    QString image = b.image();
    if (echec == u"illisible") {
        image = b.dossier.filePath(QStringLiteral("abime.jpg"));
        ecrire(image, "\xff\xd8\xff\xe0 not really a picture");
    } else if (echec == u"dossiers") {
        // Under a regular file no folder can be made, whoever the user is.
        ecrire(b.dossier.filePath(QStringLiteral("bloque")), "x");
        b.programme = b.dossier.filePath(QStringLiteral("bloque/programme"));
        b.secours = b.dossier.filePath(QStringLiteral("bloque/secours"));
    } else {
        b.ts.wallpaper.succeed = false;
    }
    EditeurFonds editeur(b.ts.services, b.programme, b.secours);
    editeur.choisirJour(Lundi);
    QSignalSpy fin(&editeur, &EditeurFonds::applicationTerminee);
    QCOMPARE(editeur.confirmer(image), EditeurFonds::Issue::Application);
    QVERIFY(fin.wait());
    QCOMPARE(fin.first().first().toBool(), false);
    QCOMPARE(b.ts.prompts.kinds.last(), QStringLiteral("notice"));
    const QString texte = b.ts.prompts.asked.last();
    QVERIFY2(texte.contains(message) && texte.contains(image), qPrintable(texte));
    if (echec == u"dossiers")
        QVERIFY(texte.contains(QDir(b.secours).filePath(QStringLiteral("LMV.bmp"))));
    QCOMPARE(b.lire(QStringLiteral("Wall 1")), image);
    QCOMPARE(b.lire(QStringLiteral("WallTemp")), QStringLiteral("absent"));
    QVERIFY(!editeur.applicationEnCours());
}

void TestEditeurFonds::ouvrirSeulementUneImage_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("contenu"); // "jpeg", "gif", "dossier", "absent" or the bytes
    QTest::addColumn<bool>("ouvert");
    QTest::newRow("JPEG") << "photo.jpg"
                          << "jpeg" << true;
    QTest::newRow("GIF sans extension") << "photo"
                                        << "gif" << true;
    QTest::newRow("script nomme .jpg") << "photo.jpg"
                                       << "#!/bin/sh\nrm -rf ~\n"
                                       << false;
    QTest::newRow("JPEG nomme .desktop") << "photo.desktop"
                                         << "jpeg" << false;
    QTest::newRow("dossier") << "album.jpg"
                             << "dossier" << false;
    QTest::newRow("apercu vide") << ""
                                 << "absent" << false;
}

void TestEditeurFonds::ouvrirSeulementUneImage() {
    QFETCH(QString, nom);
    QFETCH(QString, contenu);
    QFETCH(bool, ouvert);
    TestServices ts;
    QTemporaryDir dossier;
    const QString chemin = nom.isEmpty() ? QString() : dossier.filePath(nom);
    const QImage image = Samples::paint(QSize(40, 30), 1);
    if (contenu == u"jpeg" || contenu == u"gif") {
        const auto format = contenu == u"jpeg" ? Samples::Format::Jpeg : Samples::Format::Gif;
        const QString temp = dossier.filePath(QStringLiteral("t.") + Samples::extension(format));
        QVERIFY(Samples::write(image, temp, format));
        QVERIFY(QFile::rename(temp, chemin));
    } else if (contenu == u"dossier") {
        QVERIFY(QDir().mkpath(chemin));
    } else if (contenu != u"absent") {
        ecrire(chemin, contenu.toUtf8());
    }
    ouvrirImage(chemin, ts.desktop, ts.prompts);
    QCOMPARE(ts.desktop.files, ouvert ? QStringList{chemin} : QStringList{});
    // Refused files are told; an empty preview does nothing at all.
    QCOMPARE(ts.prompts.kinds.size(), ouvert || chemin.isEmpty() ? 0 : 1);
    if (!ts.prompts.asked.isEmpty())
        QVERIFY(ts.prompts.asked.first().endsWith(chemin));
}

QTEST_GUILESS_MAIN(TestEditeurFonds)
#include "test_editeurfonds.moc"
