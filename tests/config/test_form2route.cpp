// The typical road through the dialog with Qt's real file dialog, driven as a user would: add
// photos, save the album, reopen it with the "Album" command, and find it again at the next start.
#include "album/miroir.h"
#include "bancform2.h"
#include "controls/picturebutton.h"
#include "pilotedialogue.h"
#include "platform/dialogfilechooser.h"
#include "samples.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace PiloteDialogue;

namespace {

// Types `texte` in the next file dialog and confirms it.
void repondreAuDialogue(const QString& texte) {
    quandOuvert([texte](QFileDialog& d) {
        taper(d, texte);
        valider(d);
    });
}

// A bench whose file dialog is the real one.
struct Route {
    DialogFileChooser dialogue;
    TestServices ts;
    Services services{ts.settings, ts.registry, ts.instance, ts.pictures, ts.windowHost, ts.clock,
                      ts.random,   ts.prompts,  dialogue,    ts.desktop,  ts.wallpaper,  ts.idle};
    std::unique_ptr<BancForm2> banc;

    Form2& demarrer(const QString& dossierProgramme) {
        banc = std::make_unique<BancForm2>(&services);
        banc->dossierProgramme = dossierProgramme;
        return banc->montrer();
    }
};

} // namespace

class TestForm2Route : public QObject {
    Q_OBJECT
private slots:
    void init() { oublierEchec(); }
    void cleanup() { QVERIFY(!echec()); }
    void ajouterEnregistrerRouvrir();
};

void TestForm2Route::ajouterEnregistrerRouvrir() {
    QTemporaryDir dir;
    const QString albums = QDir::toNativeSeparators(dir.filePath(QStringLiteral("albums")));
    QVERIFY(QDir().mkpath(albums));
    const QStringList photos =
        Samples::writeSet(dir.filePath(QStringLiteral("photos")),
                          {{QStringLiteral("plage"), QSize(320, 240), Samples::Format::Jpeg},
                           {QStringLiteral("phare"), QSize(120, 200), Samples::Format::Gif},
                           {QStringLiteral("port"), QSize(90, 60), Samples::Format::Bmp}});
    QCOMPARE(photos.size(), 3);
    const QString dossierPhotos = QFileInfo(photos[0]).absolutePath() + u'/';
    const QString avant = QDir::currentPath();

    Route r;
    r.ts.settings.write(QStringLiteral("Demarrage"), QStringLiteral("RepertoireExplore"),
                        QDir::toNativeSeparators(dossierPhotos));
    {
        Form2& f = r.demarrer(albums);
        repondreAuDialogue(QStringLiteral("\"plage.jpg\" \"phare.gif\" \"port.bmp\""));
        cliquer(legende(f, 1));
        QCOMPARE(entrees(listeS(f)), photos);
        QCOMPARE(ChargerPhotos(r.ts.settings), photos);
        cliquerEntree(listeS(f), 1);
        QTRY_COMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), photos[1]);

        repondreAuDialogue(QStringLiteral("voyage"));
        cliquer(legende(f, 3)); // the confirmation is answered Yes
        QCOMPARE(controle<QLabel>(f, QStringLiteral("TitreAlbum"))->text(),
                 QStringLiteral("VOYAGE"));
        cliquer(controle<PictureButton>(f, QStringLiteral("Menu1")));
        QCOMPARE(r.banc->fins, 1);
    }
    const QString fichier = albums + QDir::separator() + QStringLiteral("voyage.alb");
    QFile alb(fichier);
    QVERIFY(alb.open(QIODevice::ReadOnly));
    QCOMPARE(alb.readAll(), (QStringLiteral("0000 %1\r\n0001 %2\r\n0002 %3\r\n")
                                 .arg(photos[0], photos[1], photos[2])
                                 .toUtf8()));

    {
        // Next start: the list is there; a new album of one photo, then the saved one reopened.
        Form2& f = r.demarrer(albums);
        QCOMPARE(entrees(listeS(f)), photos);
        r.ts.prompts.answers.append({true, false}); // a new album; its changes not saved
        repondreAuDialogue(QStringLiteral("port.bmp"));
        cliquer(legende(f, 1));
        QCOMPARE(entrees(listeS(f)), QStringList{photos[2]});
        repondreAuDialogue(QStringLiteral("voyage.alb"));
        cliquer(legende(f, 0));
        QCOMPARE(entrees(listeS(f)), photos);
        QCOMPARE(controle<QLabel>(f, QStringLiteral("TitreAlbum"))->text(),
                 QStringLiteral("VOYAGE"));
        QTRY_COMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), photos[0]);
        cliquer(controle<PictureButton>(f, QStringLiteral("Menu1")));
        QCOMPARE(r.banc->fins, 1);
    }
    {
        // The start after that reopens the album opened last.
        Form2& f = r.demarrer(albums);
        QCOMPARE(entrees(listeS(f)), photos);
        QCOMPARE(controle<QLabel>(f, QStringLiteral("TitreAlbum"))->text(),
                 QStringLiteral("VOYAGE"));
        QCOMPARE(f.etat().FichierAlbum, fichier);
    }
    QDir::setCurrent(avant);
}

QTEST_MAIN(TestForm2Route)
#include "test_form2route.moc"
