// What the show makes of a photo before it is shown: the blurred fill, and the whole screen of
// a photo that moves.

#include "controls/photopanel.h"
#include "doubles.h"
#include "samples.h"
#include "saver/photoprete.h"

#include <QTemporaryDir>
#include <QTest>

class TestPhotoPrete : public QObject {
    Q_OBJECT
private slots:
    void ecran_data();
    void ecran();
};

void TestPhotoPrete::ecran_data() {
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<bool>("flou");
    QTest::addColumn<bool>("ecranEntier");
    QTest::addColumn<QSize>("taille"); // of the picture made, for a screen of 320 x 180
    QTest::addColumn<QColor>("bord");  // at the left edge of the screen shown
    const QColor sombre(200 * 110 / 256, 0, 0), noir(Qt::black);
    const QSize photo(160, 120), ecran(320, 180);
    QTest::newRow("sans option: la photo seule") << photo << false << false << photo << noir;
    QTest::newRow("fond flou: en morceaux autour de la photo")
        << photo << true << false << photo << sombre;
    QTest::newRow("en mouvement: l'ecran entier") << photo << false << true << ecran << noir;
    QTest::newRow("en mouvement, fond flou") << photo << true << true << ecran << sombre;
    QTest::newRow("photo qui remplit l'ecran")
        << QSize(640, 360) << true << true << ecran << QColor(200, 0, 0);
}

void TestPhotoPrete::ecran() {
    QFETCH(QSize, photo);
    QFETCH(bool, flou);
    QFETCH(bool, ecranEntier);
    QFETCH(QSize, taille);
    QFETCH(QColor, bord);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("rouge.bmp"));
    QImage rouge(photo, QImage::Format_RGB32);
    rouge.fill(QColor(200, 0, 0));
    QVERIFY(Samples::write(rouge, chemin, Samples::Format::Bmp));
    QtPictures pictures;
    PreparationPhoto p;
    p.ecran = QSize(320, 180);
    p.fondFlou = flou;
    p.ecranEntier = ecranEntier;
    const PhotoPrete prete = preparerPhoto(pictures, chemin, p);
    QCOMPARE(prete.image.size(), taille);
    PhotoPanel panneau;
    panneau.resize(p.ecran);
    panneau.setPicture(prete.image, prete.autour, prete.ecran);
    const QImage vu = panneau.grab().toImage();
    // The photo itself is untouched.
    QCOMPARE(vu.pixelColor(160, 90), QColor(200, 0, 0));
    const QColor c = vu.pixelColor(0, 90);
    QVERIFY2(qAbs(c.red() - bord.red()) <= 2 && c.green() == 0 && c.blue() == 0,
             qPrintable(c.name()));
}

QTEST_MAIN(TestPhotoPrete)
#include "test_photoprete.moc"
