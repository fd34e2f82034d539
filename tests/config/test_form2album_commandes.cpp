// The album commands as the dialog runs them: "Photos", "Album", "Enregistrer Album", the web
// page and the close button, driven through the form with scripted message boxes and file
// dialogs.
#include "album/miroir.h"
#include "atelieralbum.h"
#include "config/form2textes.h"
#include "controls/picturebutton.h"
#include "fichiers.h"
#include "samples.h"

#include <QFile>
#include <QLabel>
#include <QTest>
#include <QWindow>

class TestForm2AlbumCommandes : public QObject {
    Q_OBJECT
private slots:
    void commandePhotos_data();
    void commandePhotos();
    void commandeAlbum_data();
    void commandeAlbum();
    void commandeEnregistrer_data();
    void commandeEnregistrer();
    void boutonFermer_data();
    void boutonFermer();
    void commandeWeb();

private:
    Atelier m_a;
};

// The rule in all its cases is the album's (test_album); here the bar runs it and the list shows
// it.
void TestForm2AlbumCommandes::commandePhotos_data() {
    QTest::addColumn<QString>("choix");
    QTest::addColumn<QList<bool>>("reponses");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("titre");
    const QString deux =
        m_a.dossier() + Nul + QStringLiteral("haute.gif") + Nul + QStringLiteral("petite.bmp");
    QTest::newRow("annulé") << "" << QList<bool>() << QStringList{"large"} << "NOEL";
    QTest::newRow("ajoutées à l'album")
        << deux << QList<bool>{false} << QStringList{"large", "haute", "petite"} << "NOEL";
}

void TestForm2AlbumCommandes::commandePhotos() {
    QFETCH(QString, choix);
    QFETCH(QList<bool>, reponses);
    QFETCH(QStringList, liste);
    QFETCH(QString, titre);
    BancForm2 b;
    m_a.retenir(b.ts.settings, QStringLiteral("NOEL"), {QStringLiteral("large")});
    Form2& f = b.montrer();
    for (PictureButton* e : {bouton(f, 3), legende(f, 3)})
        e->setEnabled(false);
    choisir(b, {choix});
    repondre(b, reponses);
    cliquer(legende(f, 1));
    QCOMPARE(b.ts.files.calls, QStringList{QStringLiteral("openMany")});
    verifierListe(b, m_a.chemins(liste));
    QCOMPARE(controle<QLabel>(f, QStringLiteral("TitreAlbum"))->text(), titre);
    QVERIFY(bouton(f, 3)->isEnabled() && legende(f, 3)->isEnabled());
}

void TestForm2AlbumCommandes::commandeAlbum_data() {
    QTest::addColumn<QString>("choix"); // album file name in the albums folder; "": cancelled
    QTest::addColumn<QStringList>("photos");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("titre");
    QTest::newRow("annulé") << "" << QStringList() << QStringList{"large"} << "NOEL";
    QTest::newRow("un album de deux") << "voyage.alb" << QStringList{"haute", "petite"}
                                      << QStringList{"haute", "petite"} << "VOYAGE";
}

void TestForm2AlbumCommandes::commandeAlbum() {
    QFETCH(QString, choix);
    QFETCH(QStringList, photos);
    QFETCH(QStringList, liste);
    QFETCH(QString, titre);
    BancForm2 b;
    m_a.retenir(b.ts.settings, QStringLiteral("NOEL"), {QStringLiteral("large")});
    Form2& f = b.montrer();
    vignettesDe(f)->marquerVignette(4);
    if (!choix.isEmpty()) {
        ecrire(m_a.albums() + choix, lignesAlbum(m_a.chemins(photos)));
        choisir(b, {m_a.albums() + choix});
    }
    cliquer(bouton(f, 0));
    b.attendreApercu();
    verifierListe(b, m_a.chemins(liste));
    QCOMPARE(controle<QLabel>(f, QStringLiteral("TitreAlbum"))->text(), titre);
    QCOMPARE(vignettesDe(f)->ArretChargement(), !choix.isEmpty());
    QCOMPARE(vignettesDe(f)->tagIm0(), choix.isEmpty() ? QString() : QStringLiteral("0"));
    if (choix.isEmpty()) {
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(),
                 m_a[QStringLiteral("large")]);
    } else {
        QCOMPARE(ligneCourante(listeS(f)), 0);
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_a[liste[0]]);
    }
}

void TestForm2AlbumCommandes::commandeEnregistrer_data() {
    QTest::addColumn<bool>("oui");
    QTest::addColumn<QString>("titre");
    QTest::newRow("enregistré") << true << "VOYAGE";
    QTest::newRow("non confirmé") << false << "";
}

void TestForm2AlbumCommandes::commandeEnregistrer() {
    QFETCH(bool, oui);
    QFETCH(QString, titre);
    BancForm2 b;
    const QStringList photos = m_a.chemins({QStringLiteral("large"), QStringLiteral("haute")});
    Samples::writeAlbum(b.ts.settings, photos);
    Form2& f = b.montrer();
    const QString fichierAlbum = f.etat().FichierAlbum;
    const QString fichier = m_a.albums() + QStringLiteral("voyage-%1.alb").arg(oui);
    choisir(b, {fichier});
    repondre(b, {oui});
    cliquer(legende(f, 3));
    QCOMPARE(controle<QLabel>(f, QStringLiteral("TitreAlbum"))->text(),
             titre.isEmpty() ? titre : titre + u'-' + QString::number(oui));
    QCOMPARE(contenu(fichier), oui ? lignesAlbum(photos) : QByteArray("<absent>"));
    QCOMPARE(f.etat().FichierAlbum, oui ? fichier : fichierAlbum);
}

void TestForm2AlbumCommandes::boutonFermer_data() {
    QTest::addColumn<bool>("modifie");
    QTest::addColumn<bool>("oui");
    QTest::addColumn<bool>("inscriptible");
    QTest::addColumn<int>("fins");
    QTest::addColumn<bool>("gestionnaire"); // closed by the window manager (Alt+F4, taskbar)
    QTest::newRow("sans changement : aucune question") << false << true << true << 1 << false;
    QTest::newRow("changements, Non : fin sans enregistrer") << true << false << true << 1 << false;
    QTest::newRow("changements, Oui : enregistré, puis fin") << true << true << true << 1 << false;
    QTest::newRow("changements, Oui, fichier non inscriptible : reste ouvert")
        << true << true << false << 0 << false;
    QTest::newRow("gestionnaire de fenêtres : enregistré, puis fin")
        << true << true << true << 1 << true;
    QTest::newRow("gestionnaire de fenêtres, fichier non inscriptible : reste ouvert")
        << true << true << false << 0 << true;
}

void TestForm2AlbumCommandes::boutonFermer() {
    QFETCH(bool, modifie);
    QFETCH(bool, oui);
    QFETCH(bool, inscriptible);
    QFETCH(int, fins);
    QFETCH(bool, gestionnaire);
    BancForm2 b;
    m_a.retenir(b.ts.settings, QStringLiteral("NOEL"), {QStringLiteral("large")});
    const QString fichier = m_a.albums() + QStringLiteral("NOEL.alb");
    const QByteArray avant = contenu(fichier);
    Form2& f = b.montrer();
    QStringList attendue = m_a.chemins({QStringLiteral("large")});
    if (modifie) {
        // photos added to the album are the change a user makes.
        choisir(b, {m_a[QStringLiteral("petite")]});
        repondre(b, {false});
        cliquer(bouton(f, 1));
        attendue << m_a[QStringLiteral("petite")];
        QVERIFY(f.etat().AlbumModifie);
    }
    if (!inscriptible)
        f.etat().FichierAlbum = m_a.albums() + QStringLiteral("absent/NOEL.alb");
    b.ts.prompts.asked.clear();
    repondre(b, {oui});
    if (gestionnaire)
        f.windowHandle()->close();
    else
        cliquer(controle<PictureButton>(f, QStringLiteral("Menu1")));
    QCOMPARE(b.fins, fins);
    QCOMPARE(f.isVisible(), fins == 0);
    if (modifie)
        QCOMPARE(b.ts.prompts.asked.value(0),
                 QStringLiteral("L'album a été modifié, voulez vous sauvegarder ? "));
    else
        QVERIFY(b.ts.prompts.asked.isEmpty());
    QCOMPARE(contenu(fichier), modifie && oui && inscriptible ? lignesAlbum(attendue) : avant);
    if (!inscriptible) {
        QCOMPARE(b.ts.prompts.kinds.last(), QStringLiteral("notice"));
        QVERIFY(f.etat().AlbumModifie);
        QCOMPARE(ChargerPhotos(b.ts.settings), attendue);
    }
}

void TestForm2AlbumCommandes::commandeWeb() {
    BancForm2 b;
    Form2& f = b.montrer();
    cliquer(legende(f, 5));
    QCOMPARE(b.ts.desktop.pages, QStringList{Form2Textes::AdresseWeb});
    QCOMPARE(controle<QLabel>(f, QStringLiteral("L2"))->text(), Form2Textes::AdresseWeb);
    QVERIFY(f.isVisible());
    QVERIFY(b.ts.prompts.asked.isEmpty());
    // Without a browser the user is told, with the address to type by hand.
    b.ts.desktop.browser = false;
    cliquer(legende(f, 5));
    QCOMPARE(b.ts.prompts.kinds, QStringList{QStringLiteral("notice")});
    QVERIFY(b.ts.prompts.asked.first().contains(Form2Textes::AdresseWeb));
}

QTEST_MAIN(TestForm2AlbumCommandes)
#include "test_form2album_commandes.moc"
