#include "vignettes/ajustement.h"

#include <QTest>

namespace {
// The preview frame Cadre, in twips.
const QRectF Cadre(8040, 4200, 3255, 2775);
} // namespace

class TestAjustement : public QObject {
    Q_OBJECT
private slots:
    void demiEcart_data();
    void demiEcart();
    void ajuster_data();
    void ajuster();
};

void TestAjustement::demiEcart_data() {
    QTest::addColumn<double>("ecart");
    QTest::addColumn<double>("attendu");
    QTest::newRow("even") << 500.0 << 250.0;
    QTest::newRow("odd: the fraction is dropped") << 501.0 << 250.0;
    QTest::newRow("a half to the even below") << 2.5 << 1.0;
    QTest::newRow("a half to the even above") << 3.5 << 2.0;
    QTest::newRow("quarter rounds down first") << 708.75 << 354.0;
    QTest::newRow("nearly a whole") << 1548.75 << 774.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("negative: halved towards zero") << -3.0 << -1.0;
    QTest::newRow("negative half to even") << -2.5 << -1.0;
}

void TestAjustement::demiEcart() {
    QFETCH(double, ecart);
    QFETCH(double, attendu);
    QCOMPARE(Ajustement::demiEcart(ecart), attendu);
}

void TestAjustement::ajuster_data() {
    QTest::addColumn<QSizeF>("naturelle");
    QTest::addColumn<QRectF>("cadre");
    QTest::addColumn<double>("marge");
    QTest::addColumn<QRectF>("attendu");
    QTest::newRow("wide photo: 2755 wide")
        << QSizeF(4000, 3000) << Cadre << 500.0 << QRectF(8290, 4554, 2755, 2066.25);
    QTest::newRow("high photo: 2275 high")
        << QSizeF(3000, 4000) << Cadre << 500.0 << QRectF(8814, 4450, 1706.25, 2275);
    QTest::newRow("square and large: by the height")
        << QSizeF(6000, 6000) << Cadre << 500.0 << QRectF(8530, 4450, 2275, 2275);
    QTest::newRow("only wider than the frame")
        << QSizeF(3300, 1000) << Cadre << 500.0
        << QRectF(8290, 4200 + 970, 2755, 1000.0 * 2755 / 3300);
    QTest::newRow("only higher than the frame, yet wider than high: by the width")
        << QSizeF(3000, 2800) << Cadre << 500.0 << QRectF(8290, 4302, 2755, 2800.0 * 2755 / 3000);
    QTest::newRow("wider than the frame but higher than wide")
        << QSizeF(3300, 3400) << Cadre << 500.0
        << QRectF(8040 + 523, 4450, 3300.0 * 2275 / 3400, 2275);
    QTest::newRow("fits: natural size, centred")
        << QSizeF(1500, 1200) << Cadre << 500.0 << QRectF(8917, 4987, 1500, 1200);
    QTest::newRow("exactly the frame: not scaled")
        << QSizeF(3255, 2775) << Cadre << 500.0 << QRectF(8040, 4200, 3255, 2775);
    QTest::newRow("thumbnail cell margin")
        << QSizeF(3000, 1500) << QRectF(0, 0, 1305, 1245) << 200.0 << QRectF(100, 346, 1105, 552.5);
    QTest::newRow("the placeholder, 200 x 250 pixels")
        << QSizeF(3000, 3750) << Cadre << 500.0 << QRectF(8757, 4450, 1820, 2275);
}

void TestAjustement::ajuster() {
    QFETCH(QSizeF, naturelle);
    QFETCH(QRectF, cadre);
    QFETCH(double, marge);
    QFETCH(QRectF, attendu);
    QCOMPARE(Ajustement::ajusterDansCadre(naturelle, cadre, marge), attendu);
}

QTEST_GUILESS_MAIN(TestAjustement)
#include "test_ajustement.moc"
