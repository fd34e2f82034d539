// The dialog under the pointer: the command bar's hover animation,
// the close button, the about panel's slide and the title that moves the window.
#include "bancform2.h"
#include "config/form2.h"
#include "controls/captionpanel.h"
#include "controls/picturebutton.h"
#include "decor/decor.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

class TestForm2Animation : public QObject {
    Q_OBJECT
private slots:
    void legendesCommeLeursIcones();
    void dernierBoutonCliqueImmobile();
    void boutonFermer();
    void trajetsPanneauAPropos();
    void panneauAProposSuitLePointeur();
    void titreDeplaceLaFenetre();
};

// The pointer on the caption "Photos" animates the icon Boutons(1) (never with the selected
// look, the caption staying white), with the real timer; leaving brings it back to rest.
void TestForm2Animation::legendesCommeLeursIcones() {
    BancForm2 b;
    Form2& f = b.montrer();
    const QList<QImage> images = Decor::imagesCommande(1);
    QTest::mouseMove(&f, QPoint(400, 300));
    QTest::mouseMove(legende(f, 1), QPoint(20, 8));
    QTRY_VERIFY(bouton(f, 1)->pictureUp() != images.first());
    QVERIFY(images.indexOf(bouton(f, 1)->pictureUp()) > 0);
    QVERIFY(bouton(f, 1)->pictureUp() != images.last());
    QCOMPARE(bouton(f, 1)->pictureDown(), bouton(f, 1)->pictureUp());
    QCOMPARE(legende(f, 1)->textColor(), QColor(255, 255, 255));
    QTest::mouseMove(&f, QPoint(400, 300));
    QTRY_COMPARE(bouton(f, 1)->pictureUp(), images.first());
    QCOMPARE(legende(f, 1)->textColor(), QColor(255, 255, 255));

    QTest::mouseClick(legende(f, 1), Qt::LeftButton, {}, QPoint(20, 8));
    QCOMPARE(barreDe(f)->boutonActif(), qint16(1));
    QVERIFY(!bouton(f, 1)->value() && !legende(f, 1)->value());
}

// The command clicked last stays still under the pointer; the others animate.
void TestForm2Animation::dernierBoutonCliqueImmobile() {
    BancForm2 b;
    Form2& f = b.montrer();
    BarreCommandes* barre = barreDe(f);
    const QImage repos0 = Decor::imagesCommande(0).first();
    barre->Boutons_MouseMove(0);
    QTest::mouseClick(bouton(f, 0), Qt::LeftButton, {}, QPoint(30, 25));
    QCOMPARE(barre->boutonActif(), qint16(0));
    QVERIFY(!bouton(f, 0)->value());
    QCOMPARE(bouton(f, 0)->pictureUp(), repos0);
    QCOMPARE(legende(f, 0)->textColor(), QColor(255, 255, 255));
    barre->Boutons_MouseMove(0);
    QTest::qWait(500);
    QCOMPARE(bouton(f, 0)->pictureUp(), repos0);
    barre->Boutons_MouseExit(0);
    barre->Boutons_MouseMove(3);
    QTRY_VERIFY(bouton(f, 3)->pictureUp() != Decor::imagesCommande(3).first());
    barre->Boutons_MouseExit(3);
    // Clicking another command moves the selection on.
    bouton(f, 3)->click();
    QCOMPARE(barre->boutonActif(), qint16(3));
    barre->Boutons_MouseMove(0);
    QTRY_VERIFY(bouton(f, 0)->pictureUp() != repos0);
}

void TestForm2Animation::boutonFermer() {
    BancForm2 b;
    Form2& f = b.montrer();
    PictureButton* fermer = controle<PictureButton>(f, QStringLiteral("Menu1"));
    QCOMPARE(fermer->objectName(), QStringLiteral("Menu1"));
    QCOMPARE(fermer->toolTip(), QStringLiteral("Fermer"));
    const QImage normal = fermer->pictureUp();
    QVERIFY(normal != fermer->pictureDown());
    QTest::mouseMove(fermer, QPoint(5, 5));
    QTRY_COMPARE(fermer->pictureUp(), fermer->pictureDown());
    QTest::mouseMove(&f, QPoint(400, 300));
    QTRY_COMPARE(fermer->pictureUp(), normal);
    QTest::mouseClick(fermer, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(b.fins, 1);
    QVERIFY(!f.isVisible());
}

void TestForm2Animation::trajetsPanneauAPropos() {
    BancForm2 b;
    Form2& f = b.ouvrir();
    const QRect ouvert = aproposDe(f)->geometry();
    QCOMPARE(ouvert, QRect(536, 64, 217, 213));
    aproposDe(f)->OuvrirAPropos(); // already open: nothing
    QCOMPARE(aproposDe(f)->geometry(), ouvert);
    aproposDe(f)->FermerAPropos();
    QVERIFY(aproposDe(f)->isHidden());
    QCOMPARE(aproposDe(f)->x(), 536);
    aproposDe(f)->resize(50, aproposDe(f)->height());
    aproposDe(f)->FermerAPropos(); // already closed: nothing
    QCOMPARE(aproposDe(f)->width(), 50);
    QVERIFY(aproposDe(f)->isHidden());
    aproposDe(f)->OuvrirAPropos();
    QVERIFY(!aproposDe(f)->isHidden());
    QCOMPARE(aproposDe(f)->geometry(), ouvert);
    aproposDe(f)->resize(120, aproposDe(f)->height());
    aproposDe(f)->OuvrirAPropos(); // open, even if narrowed: nothing
    QCOMPARE(aproposDe(f)->width(), 120);
}

// Crossing the panel or the preview frame closes it; the album area opens it again.
void TestForm2Animation::panneauAProposSuitLePointeur() {
    BancForm2 b;
    Form2& f = b.montrer();
    aproposDe(f)->DureeGlissement = 30; // the slide itself runs, shortly
    QTest::mouseMove(controle<QLabel>(f, QStringLiteral("L1")), QPoint(20, 20));
    QTRY_VERIFY(aproposDe(f)->isHidden());
    QTest::mouseMove(listeS(f)->viewport(), QPoint(50, 50));
    QTRY_COMPARE(aproposDe(f)->width(), 217);
    QTest::mouseMove(controle<PictureButton>(f, QStringLiteral("Cadre")), QPoint(30, 30));
    QTRY_VERIFY(aproposDe(f)->isHidden());
    emit vignettesDe(f)->pointeurDessus();
    QTRY_COMPARE(aproposDe(f)->width(), 217);
}

// Without a window manager to do it, the window follows the pointer that holds its title.
void TestForm2Animation::titreDeplaceLaFenetre() {
    BancForm2 b;
    Form2& f = b.montrer();
    f.move(100, 80);
    const QPoint avant = f.pos();
    QTest::mousePress(controle<CaptionPanel>(f, QStringLiteral("Titre")), Qt::LeftButton, {},
                      QPoint(10, 5));
    QTest::mouseMove(controle<CaptionPanel>(f, QStringLiteral("Titre")), QPoint(60, 25));
    QTest::mouseRelease(controle<CaptionPanel>(f, QStringLiteral("Titre")), Qt::LeftButton, {},
                        QPoint(60, 25));
    QTRY_COMPARE(f.pos(), avant + QPoint(50, 20));
    QTest::mouseMove(controle<CaptionPanel>(f, QStringLiteral("Titre")),
                     QPoint(90, 40)); // released: the window stays
    QCOMPARE(f.pos(), avant + QPoint(50, 20));
}

QTEST_MAIN(TestForm2Animation)
#include "test_form2_animation.moc"
