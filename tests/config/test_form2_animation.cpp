// The dialog under the pointer: the command bar's and the weekday buttons' hover animations,
// the close button, the about panel's slide and the title that moves the window.
#include "bancform2.h"
#include "config/form2.h"
#include "controls/captionpanel.h"
#include "controls/picturebutton.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

class TestForm2Animation : public QObject {
    Q_OBJECT
private slots:
    void survolBarreCommandes();
    void animationSousLePointeurQuiBouge();
    void legendesCommeLeursIcones();
    void dernierBoutonCliqueImmobile();
    void animationBoutonsFond_data();
    void animationBoutonsFond();
    void boutonFermer();
    void trajetsPanneauAPropos();
    void panneauAProposSuitLePointeur();
    void titreDeplaceLaFenetre();
};

// Frames run 1, 2, 3, 4, 5, 1 ... and never reach the selected look; the caption stays white.
void TestForm2Animation::survolBarreCommandes() {
    BancForm2 b;
    Form2& f = b.ouvrir();
    barreDe(f)->Boutons_MouseMove(2);
    QVERIFY(barreDe(f)->Timer1.isActive());
    QCOMPARE(barreDe(f)->Timer1.interval(), 200);
    QCOMPARE(barreDe(f)->BoutonSurvole, qint16(2));
    const ImageList& images = barreDe(f)->ImageList1[2];
    QList<int> vues;
    for (int k = 0; k < 7; ++k) {
        barreDe(f)->Timer1_Timer();
        for (int n = 1; n <= images.count(); ++n)
            if (barreDe(f)->Boutons[2]->pictureUp() == images.picture(n))
                vues << n;
        QCOMPARE(barreDe(f)->Boutons[2]->pictureDown(), barreDe(f)->Boutons[2]->pictureUp());
        QCOMPARE(barreDe(f)->TBoutons[2]->textColor(), QColor(255, 255, 255));
    }
    QCOMPARE(vues, (QList<int>{1, 2, 3, 4, 5, 1, 2}));
    // Another button goes on from the next frame.
    barreDe(f)->Boutons_MouseMove(5);
    barreDe(f)->Timer1_Timer();
    QCOMPARE(barreDe(f)->Boutons[5]->pictureUp(), barreDe(f)->ImageList1[5].picture(3));
    barreDe(f)->Boutons_MouseExit(5);
    QVERIFY(!barreDe(f)->Timer1.isActive());
    QCOMPARE(barreDe(f)->Timer1.interval(), 0);
    QCOMPARE(barreDe(f)->Boutons[5]->pictureUp(), barreDe(f)->ImageList1[5].picture(1));
}

void TestForm2Animation::animationSousLePointeurQuiBouge() {
    BancForm2 b;
    Form2& f = b.ouvrir();
    QSignalSpy ticks(&barreDe(f)->Timer1, &QTimer::timeout);
    QTimer pointeur; // a pointer that keeps moving over "Panorama"
    connect(&pointeur, &QTimer::timeout, &f, [&f] { barreDe(f)->Boutons_MouseMove(2); });
    pointeur.start(40);
    barreDe(f)->Boutons_MouseMove(2);
    QTRY_VERIFY(ticks.size() >= 2);
}

// The pointer on the caption "Photos" animates the icon Boutons(1), with the real timer.
void TestForm2Animation::legendesCommeLeursIcones() {
    BancForm2 b;
    Form2& f = b.montrer();
    QTest::mouseMove(&f, QPoint(400, 300));
    QTest::mouseMove(barreDe(f)->TBoutons[1], QPoint(20, 8));
    QTRY_VERIFY(barreDe(f)->Timer1.isActive());
    QCOMPARE(barreDe(f)->BoutonSurvole, qint16(1));
    QTRY_VERIFY(barreDe(f)->Boutons[1]->pictureUp() != barreDe(f)->ImageList1[1].picture(1));
    QTest::mouseMove(&f, QPoint(400, 300));
    QTRY_VERIFY(!barreDe(f)->Timer1.isActive());
    QCOMPARE(barreDe(f)->Boutons[1]->pictureUp(), barreDe(f)->ImageList1[1].picture(1));
    QCOMPARE(barreDe(f)->TBoutons[1]->textColor(), QColor(255, 255, 255));

    QTest::mouseClick(barreDe(f)->TBoutons[1], Qt::LeftButton, {}, QPoint(20, 8));
    QCOMPARE(f.etat().BoutonActif, qint16(1));
    QVERIFY(!barreDe(f)->Boutons[1]->value() && !barreDe(f)->TBoutons[1]->value());
}

void TestForm2Animation::dernierBoutonCliqueImmobile() {
    BancForm2 b;
    Form2& f = b.montrer();
    barreDe(f)->Boutons_MouseMove(0);
    QTest::mouseClick(barreDe(f)->Boutons[0], Qt::LeftButton, {}, QPoint(30, 25));
    QCOMPARE(f.etat().BoutonActif, qint16(0));
    QVERIFY(!barreDe(f)->Timer1.isActive());
    QVERIFY(!barreDe(f)->Boutons[0]->value());
    QCOMPARE(barreDe(f)->Boutons[0]->pictureUp(), barreDe(f)->ImageList1[0].picture(1));
    QCOMPARE(barreDe(f)->TBoutons[0]->textColor(), QColor(255, 255, 255));
    barreDe(f)->Boutons_MouseMove(0);
    QVERIFY(!barreDe(f)->Timer1.isActive());
    barreDe(f)->Boutons_MouseExit(0);
    barreDe(f)->Boutons_MouseMove(3);
    QVERIFY(barreDe(f)->Timer1.isActive());
    barreDe(f)->Boutons_MouseExit(3);
    // Clicking another command moves the selection on.
    barreDe(f)->Boutons[3]->click();
    QCOMPARE(f.etat().BoutonActif, qint16(3));
    barreDe(f)->Boutons_MouseMove(0);
    QVERIFY(barreDe(f)->Timer1.isActive());
}

void TestForm2Animation::animationBoutonsFond_data() {
    QTest::addColumn<int>("survolee");
    QTest::newRow("Sel") << 0;
    QTest::newRow("DeValider") << 1;
    QTest::newRow("Valider") << 2;
    QTest::newRow("none") << 3;
}

// Frames run 1, 2, 3, 4, 1 on the up picture of the hovered button alone.
void TestForm2Animation::animationBoutonsFond() {
    QFETCH(int, survolee);
    BancForm2 b;
    Form2& f = b.ouvrir();
    const std::array<PictureButton*, 3> boutons{jourDe(f)->Sel, jourDe(f)->DeValider,
                                                jourDe(f)->Valider};
    jourDe(f)->ImageSurvolee = qint16(survolee);
    QList<int> vues;
    for (int k = 0; k < 6; ++k) {
        jourDe(f)->Timer2_Timer();
        for (std::size_t j = 0; j < boutons.size(); ++j) {
            if (int(j) != survolee)
                QCOMPARE(boutons[j]->pictureUp(), jourDe(f)->ImageList2.picture(1));
            QCOMPARE(boutons[j]->pictureDown(), jourDe(f)->ImageList2.last());
        }
        if (survolee < 3)
            for (int n = 1; n <= jourDe(f)->ImageList2.count(); ++n)
                if (boutons[std::size_t(survolee)]->pictureUp() == jourDe(f)->ImageList2.picture(n))
                    vues << n;
    }
    if (survolee < 3)
        QCOMPARE(vues, (QList<int>{1, 2, 3, 4, 1, 2}));
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
    QTest::mouseMove(listeDe(f)->ListeS->viewport(), QPoint(50, 50));
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
