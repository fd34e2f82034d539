#include "vignettes/vignettesdejafaites.h"

#include <QTest>

class TestVignettesDejaFaites : public QObject {
    Q_OBJECT
private slots:
    void convient_data();
    void convient();
};

void TestVignettesDejaFaites::convient_data() {
    QTest::addColumn<QSize>("vignette");
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<bool>("prise");
    QTest::newRow("mêmes proportions") << QSize(160, 120) << QSize(4000, 3000) << true;
    QTest::newRow("portrait") << QSize(120, 160) << QSize(3000, 4000) << true;
    QTest::newRow("écart de 1,5 %") << QSize(160, 120) << QSize(4000, 3045) << true;
    QTest::newRow("écart de 2,5 %") << QSize(160, 120) << QSize(4000, 3075) << false;
    QTest::newRow("bandes autour d'un 16:9") << QSize(160, 120) << QSize(4000, 2250) << false;
    QTest::newRow("plus petite que le bitmap") << QSize(80, 60) << QSize(4000, 3000) << false;
}

void TestVignettesDejaFaites::convient() {
    QFETCH(QSize, vignette);
    QFETCH(QSize, photo);
    QFETCH(bool, prise);
    // The bitmap of a photo in a grid cell: about 110 pixels on its longer side.
    const QSize besoin = photo.scaled(111, 111, Qt::KeepAspectRatio);
    QCOMPARE(VignettesDejaFaites::convient(vignette, photo, besoin), prise);
}

QTEST_GUILESS_MAIN(TestVignettesDejaFaites)
#include "test_vignettesdejafaites.moc"
