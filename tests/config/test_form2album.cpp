// The album's list as the dialog shows it: what start-up puts in it, a click or a key on an
// entry and the preview it gives, and the list's menu, driven through the form with scripted
// message boxes.
#include "atelieralbum.h"
#include "controls/picturebutton.h"
#include "decor/twips.h"
#include "fichiers.h"
#include "samples.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage image(const QLabel* l) {
    return l->pixmap().toImage();
}

} // namespace

class TestForm2Album : public QObject {
    Q_OBJECT
private slots:
    void demarrage_data();
    void demarrage();
    void clicDansLaListe_data();
    void clicDansLaListe();
    void nouveauClicFichierDisparu();
    void focusSeulNeChoisitRien();
    void retraitParLeMenu();

private:
    Atelier m_a;
};

void TestForm2Album::demarrage_data() {
    QTest::addColumn<QStringList>("miroir");
    QTest::addColumn<QStringList>("fichier"); // the remembered album's photos; empty: none
    QTest::addColumn<bool>("fichierPresent");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("titre");
    QTest::newRow("réglages vides")
        << QStringList() << QStringList() << false << QStringList() << "";
    QTest::newRow("le miroir, aucun album retenu") << QStringList{"large", "haute"} << QStringList()
                                                   << false << QStringList{"large", "haute"} << "";
    QTest::newRow("l'album retenu remplace le miroir")
        << QStringList{"large", "haute"} << QStringList{"petite", "large"} << true
        << QStringList{"petite", "large"} << "NOEL";
    QTest::newRow("fichier de l'album retenu disparu : la liste reste")
        << QStringList{"large"} << QStringList{"petite"} << false << QStringList{"large"} << "NOEL";
    QTest::newRow("une liste vide reste celle de l'album retenu")
        << QStringList() << QStringList{"petite"} << true << QStringList() << "NOEL";
}

void TestForm2Album::demarrage() {
    QFETCH(QStringList, miroir);
    QFETCH(QStringList, fichier);
    QFETCH(bool, fichierPresent);
    QFETCH(QStringList, liste);
    QFETCH(QString, titre);
    BancForm2 b;
    if (!fichier.isEmpty()) {
        m_a.retenir(b.ts.settings, QStringLiteral("NOEL"), fichier);
        if (!fichierPresent)
            QFile::remove(m_a.albums() + QStringLiteral("NOEL.alb"));
    }
    Samples::writeAlbum(b.ts.settings, m_a.chemins(miroir));
    Form2& f = b.ouvrir();
    verifierListe(b, m_a.chemins(liste));
    QCOMPARE(controle<QLabel>(f, QStringLiteral("TitreAlbum"))->text(), titre);
    if (liste.isEmpty()) {
        QCOMPARE(ligneCourante(listeS(f)), -1);
        // The marker set for the list loaded first stays.
        QCOMPARE(vignettesDe(f)->tagIm0(), miroir.isEmpty() ? QString() : QStringLiteral("0"));
        if (miroir.isEmpty())
            QVERIFY(controle<QLabel>(f, QStringLiteral("Photo"))->isHidden());
    } else {
        QCOMPARE(ligneCourante(listeS(f)), 0);
        QCOMPARE(vignettesDe(f)->tagIm0(), QStringLiteral("0"));
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_a[liste[0]]);
        QVERIFY(!controle<QLabel>(f, QStringLiteral("Photo"))->isHidden());
    }
}

void TestForm2Album::clicDansLaListe_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("apercu");  // false: the placeholder
    QTest::addColumn<QRectF>("place"); // twips; the placeholder keeps the place of the photo before
    QTest::newRow("large : 2755 de large") << "large" << true << QRectF(8290, 4554, 2755, 2066.25);
    QTest::newRow("haute : 2275 de haut") << "haute" << true << QRectF(8814, 4450, 1706.25, 2275);
    QTest::newRow("tient : taille naturelle") << "petite" << true << QRectF(8917, 4987, 1500, 1200);
    QTest::newRow("fichier absent") << "absente" << false << QRectF(8917, 4987, 1500, 1200);
    QTest::newRow("pas une image") << "texte" << false << QRectF(8917, 4987, 1500, 1200);
    QTest::newRow("un dossier nommé comme un fichier")
        << "dossier" << false << QRectF(8917, 4987, 1500, 1200);
    QTest::newRow("une FIFO") << "fifo" << false << QRectF(8917, 4987, 1500, 1200);
}

// The first entry is previewed at start; a click on another previews it, or shows the
// placeholder and leaves the rest as it was.
void TestForm2Album::clicDansLaListe() {
    QFETCH(QString, nom);
    QFETCH(bool, apercu);
    QFETCH(QRectF, place);
    BancForm2 b;
    Samples::writeAlbum(b.ts.settings, m_a.chemins({QStringLiteral("petite"), nom}));
    Form2& f = b.montrer();
    const QString premiere = m_a[QStringLiteral("petite")];
    QCOMPARE(listeS(f)->toolTip(), premiere);
    for (PictureButton* v : {controle<PictureButton>(f, QStringLiteral("Valider")),
                             controle<PictureButton>(f, QStringLiteral("TValider"))})
        v->setEnabled(false);
    cliquerEntree(listeS(f), 1);
    b.attendreApercu();
    QCOMPARE(ligneCourante(listeS(f)), 1);
    QVERIFY(!controle<QLabel>(f, QStringLiteral("Photo"))->isHidden());
    QCOMPARE(dansDialogue(controle<QLabel>(f, QStringLiteral("Photo"))),
             Twips::rect(place.x(), place.y(), place.width(), place.height()));
    if (apercu) {
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_a[nom]);
        QCOMPARE(listeS(f)->toolTip(), m_a[nom]);
        QVERIFY(controle<PictureButton>(f, QStringLiteral("Valider"))->isEnabled() &&
                controle<PictureButton>(f, QStringLiteral("TValider"))->isEnabled());
        QVERIFY(image(controle<QLabel>(f, QStringLiteral("Photo"))) !=
                image(controle<QLabel>(f, QStringLiteral("Nophoto"))));
        // The previewed photo is what the menu's "Paper" gives today's wallpaper.
        controle<QAction>(f, QStringLiteral("Paper"))->trigger();
        QTRY_VERIFY(jourDe(f)->isEnabled());
        QCOMPARE(b.lire(QStringLiteral("Wallpaper"), QStringLiteral("Wall 1")), m_a[nom]);
    } else {
        QCOMPARE(image(controle<QLabel>(f, QStringLiteral("Photo"))),
                 image(controle<QLabel>(f, QStringLiteral("Nophoto"))));
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), QString());
        QCOMPARE(listeS(f)->toolTip(), premiere);
        QVERIFY(!controle<PictureButton>(f, QStringLiteral("Valider"))->isEnabled() &&
                !controle<PictureButton>(f, QStringLiteral("TValider"))->isEnabled());
    }
}

// A click on the entry already chosen looks at the file again; the keyboard previews too.
void TestForm2Album::nouveauClicFichierDisparu() {
    QTemporaryDir dir;
    const QString copie = dir.filePath(QStringLiteral("copie.jpg"));
    QVERIFY(QFile::copy(m_a[QStringLiteral("large")], copie));
    BancForm2 b;
    Samples::writeAlbum(b.ts.settings, {copie, m_a[QStringLiteral("haute")]});
    Form2& f = b.montrer();
    QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), copie);
    QVERIFY(QFile::remove(copie));
    cliquerEntree(listeS(f), 0);
    b.attendreApercu();
    QCOMPARE(image(controle<QLabel>(f, QStringLiteral("Photo"))),
             image(controle<QLabel>(f, QStringLiteral("Nophoto"))));
    QTest::keyClick(listeS(f), Qt::Key_Down);
    b.attendreApercu();
    QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_a[QStringLiteral("haute")]);
}

// After a command refilled the list nothing is chosen; the list taking the keyboard focus gives
// an entry the focus, which neither previews it nor lets the menu act on it.
void TestForm2Album::focusSeulNeChoisitRien() {
    BancForm2 b;
    Samples::writeAlbum(b.ts.settings, m_a.chemins({QStringLiteral("large")}));
    Form2& f = b.montrer();
    choisir(b, {m_a.dossier() + Nul + QStringLiteral("petite.bmp")});
    repondre(b, {true});
    cliquer(bouton(f, 1));
    QCOMPARE(listeDe(f)->entreeChoisie(), -1);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(listeS(f), &focus);
    QCOMPARE(listeDe(f)->entreeChoisie(), -1);
    QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_a[QStringLiteral("large")]);
    cliquerEntree(listeS(f), 0, Qt::RightButton);
    QVERIFY(!controle<QMenu>(f, QStringLiteral("Menus"))->isVisible());
}

void TestForm2Album::retraitParLeMenu() {
    BancForm2 b;
    const QStringList noms = {QStringLiteral("large"), QStringLiteral("haute"),
                              QStringLiteral("petite")};
    m_a.retenir(b.ts.settings, QStringLiteral("NOEL"), noms);
    const QString fichier = m_a.albums() + QStringLiteral("NOEL.alb");
    const QByteArray avant = contenu(fichier);
    Form2& f = b.montrer();
    for (PictureButton* e : {bouton(f, 3), legende(f, 3)})
        e->setEnabled(false);
    QCOMPARE(controle<QAction>(f, QStringLiteral("Supp"))->text(),
             QStringLiteral("&Enlever la photo sélectionner de la liste"));
    QCOMPARE(controle<QAction>(f, QStringLiteral("Paper"))->text(),
             QStringLiteral("&Mettre la photo comme Papier Peint du jour sélectionné"));
    QCOMPARE(controle<QMenu>(f, QStringLiteral("Menus"))->actions(),
             (QList<QAction*>{controle<QAction>(f, QStringLiteral("Supp")),
                              controle<QAction>(f, QStringLiteral("Paper"))}));

    cliquerEntree(listeS(f), 1);
    const auto offrirEtEnlever = [&](bool reponse) {
        repondre(b, {reponse});
        cliquerEntree(listeS(f), 2, Qt::RightButton);
        QTRY_VERIFY(controle<QMenu>(f, QStringLiteral("Menus"))->isVisible());
        QCOMPARE(ligneCourante(listeS(f)), 1); // the menu acts on the entry chosen before
        QTest::mouseClick(controle<QMenu>(f, QStringLiteral("Menus")), Qt::LeftButton, {},
                          controle<QMenu>(f, QStringLiteral("Menus"))
                              ->actionGeometry(controle<QAction>(f, QStringLiteral("Supp")))
                              .center());
        QTRY_VERIFY(!controle<QMenu>(f, QStringLiteral("Menus"))->isVisible());
    };
    offrirEtEnlever(false);
    verifierListe(b, m_a.chemins(noms));
    QCOMPARE(contenu(fichier), avant);
    QVERIFY(!bouton(f, 3)->isEnabled() && !legende(f, 3)->isEnabled());
    QCOMPARE(b.ts.prompts.asked,
             QStringList{QStringLiteral("Etes vous sur de vouloir enlever cette photo ? ")});

    offrirEtEnlever(true);
    const QStringList reste = m_a.chemins({QStringLiteral("large"), QStringLiteral("petite")});
    verifierListe(b, reste);
    QCOMPARE(contenu(fichier), lignesAlbum(reste));
    QVERIFY(bouton(f, 3)->isEnabled() && legende(f, 3)->isEnabled());
    QCOMPARE(controle<QLabel>(f, QStringLiteral("TitreAlbum"))->text(), QStringLiteral("NOEL"));
    QVERIFY(!f.etat().AlbumModifie);
}

QTEST_MAIN(TestForm2Album)
#include "test_form2album.moc"
