#include "album/textesalbum.h"
#include "bancform2.h"
#include "browser/delegueliste.h"
#include "browser/grillevignettes.h"
#include "fichiers.h"
#include "samples.h"
#include "settings/reglages.h"

#include <QTemporaryDir>
#include <QTest>

// The text a row is drawn with, at `largeur` pixels.
struct Sonde : DelegueListe {
    QString texte(const QListView* vue, int ligne, int largeur) const {
        QStyleOptionViewItem o;
        o.initFrom(vue);
        o.widget = vue;
        o.rect = QRect(0, 0, largeur, 20);
        o.textElideMode = vue->textElideMode();
        initStyleOption(&o, vue->model()->index(ligne, 0));
        return o.text;
    }
};

// A folder added to the album through "Photos": its line in the list, its photos in the preview
// and in the grid, its removal.
class TestForm2Dossiers : public QObject {
    Q_OBJECT
private slots:
    void dossierAjoute() {
        QTemporaryDir tmp;
        const QString dossier = tmp.filePath(QStringLiteral("vacances/"));
        QStringList photos;
        for (const char* nom : {"a.jpg", "b.jpg", "jour 2/c.jpg"}) {
            photos << dossier + QString::fromLatin1(nom);
            QDir().mkpath(QFileInfo(photos.last()).path());
            QImage image(80, 60, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            QVERIFY(image.save(photos.last(), "JPEG"));
        }
        ecrire(dossier + QStringLiteral("notes.txt"), "pas une photo");
        BancForm2 b;
        b.ts.files.results << dossier;
        Form2& f = b.montrer();
        listeDe(f)->ajouterPhotos();
        QCOMPARE(b.lire(QStringLiteral("Liste de Fichiers"), QStringLiteral("Fichier 0")), dossier);
        QCOMPARE(b.lire(QStringLiteral("Demarrage"), QStringLiteral("RepertoireExplore")),
                 tmp.path() + u'/');
        QTRY_COMPARE(entrees(listeS(f)), QStringList{dossier + QStringLiteral(" (3 photos)")});
        // Too long for its row, the path is cut and the count stays.
        const QString coupe = Sonde().texte(listeS(f), 0, 150);
        QVERIFY2(coupe.endsWith(QStringLiteral("… (3 photos)")), qPrintable(coupe));

        // The folder's entry previews its first photo.
        cliquerEntree(listeS(f), 0);
        QTRY_COMPARE(listeS(f)->toolTip(), photos[0]);

        // The grid shows each photo; a thumbnail previews its own and chooses the folder's line.
        vignettesDe(f)->panorama();
        auto* grille = controle<GrilleVignettes>(f, QStringLiteral("SSSCroll"));
        QTRY_VERIFY(!grille->enConstruction());
        QCOMPARE(grille->nombre(), 3);
        QCOMPARE(grille->vignette(2).chemin, photos[2]);
        vignettesDe(f)->CadreIm_Click(2);
        b.attendreApercu();
        QTRY_COMPARE(listeS(f)->toolTip(), photos[2]);
        QCOMPARE(listeDe(f)->entreeChoisie(), 0);

        // Removing it asks about the folder.
        b.ts.prompts.answers << true << false;
        listeDe(f)->Supp_Click();
        QVERIFY(b.ts.prompts.asked.contains(TextesAlbum::EnleverDossier));
        QCOMPARE(nombreEntrees(listeS(f)), 0);
    }

    // The list is read off the UI thread at start; a command given before it came waits for it.
    void commandeAvantLaListe() {
        BancForm2 b;
        Samples::writeAlbum(b.ts.settings, {QStringLiteral("/a.jpg"), QStringLiteral("/b.jpg")});
        b.ts.files.results << QStringLiteral("/c.jpg");
        b.ts.prompts.answers << false; // not a new album
        Form2 f(b.services, b.dossierProgramme, [] {});
        listeDe(f)->ajouterPhotos();
        QCOMPARE(entrees(listeS(f)), (QStringList{"/a.jpg", "/b.jpg", "/c.jpg"}));
        QTRY_VERIFY(!listeDe(f)->lectureEnCours());
        QCOMPARE(entrees(listeS(f)), (QStringList{"/a.jpg", "/b.jpg", "/c.jpg"}));
    }
};

QTEST_MAIN(TestForm2Dossiers)
#include "test_form2dossiers.moc"
