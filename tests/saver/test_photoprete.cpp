// What the show makes of a photo before it is shown: the blurred fill, the whole screen of a
// photo that moves, and a motion of its own.

#include "doubles.h"
#include "samples.h"
#include "saver/mouvement.h"
#include "saver/photoprete.h"

#include <QTemporaryDir>
#include <QTest>

class TestPhotoPrete : public QObject {
    Q_OBJECT
private slots:
    void ecran_data();
    void ecran();
    void mouvement();
};

void TestPhotoPrete::ecran_data() {
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<bool>("flou");
    QTest::addColumn<bool>("ecranEntier");
    QTest::addColumn<QSize>("taille");   // of the picture made, on a screen of 320 x 180
    QTest::addColumn<QColor>("bord");    // at the left edge of the screen; invalid: none
    const QColor sombre(200 * 110 / 256, 0, 0);
    QTest::newRow("sans option: la photo seule")
        << QSize(160, 120) << false << false << QSize(160, 120) << QColor();
    QTest::newRow("fond flou") << QSize(160, 120) << true << false << QSize(320, 180) << sombre;
    QTest::newRow("en mouvement: bords noirs")
        << QSize(160, 120) << false << true << QSize(320, 180) << QColor(Qt::black);
    QTest::newRow("photo qui remplit l'ecran")
        << QSize(640, 360) << true << true << QSize(320, 180) << QColor(200, 0, 0);
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
    const QImage image = preparerPhoto(pictures, chemin, p).image;
    QCOMPARE(image.size(), taille);
    // The photo itself is untouched.
    QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(200, 0, 0));
    if (bord.isValid()) {
        const QColor c = image.pixelColor(0, 90);
        QVERIFY2(qAbs(c.red() - bord.red()) <= 2 && c.green() == 0 && c.blue() == 0,
                 qPrintable(c.name()));
    }
}

// With the seeded generator: every motion grows or shrinks by 4 to 8 %, never below the
// screen's size, and lasts as long as a photo stays at the show's speed.
void TestPhotoPrete::mouvement() {
    ScriptedRandom hasard;
    for (int i = 0; i < 200; ++i) {
        const PhotoMotion m = mouvementAuHasard(hasard, 1200);
        QVERIFY(std::min(m.zoomFrom, m.zoomTo) >= 1.0);
        const double ecart = qAbs(m.zoomTo - m.zoomFrom);
        QVERIFY2(ecart >= 0.04 && ecart <= 0.08, qPrintable(QString::number(ecart)));
        for (const QPointF& p : {m.from, m.to})
            QVERIFY(p.x() >= 0 && p.x() <= 1 && p.y() >= 0 && p.y() <= 1);
        QCOMPARE(m.durationMs, 4400.0);
    }
}

QTEST_MAIN(TestPhotoPrete)
#include "test_photoprete.moc"
