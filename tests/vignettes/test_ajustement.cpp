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
    QTest::newRow("pair") << 500.0 << 250.0;
    QTest::newRow("impair : la fraction tombe") << 501.0 << 250.0;
    QTest::newRow("une moitié vers le pair en dessous") << 2.5 << 1.0;
    QTest::newRow("une moitié vers le pair au-dessus") << 3.5 << 2.0;
    QTest::newRow("un quart arrondi vers le bas") << 708.75 << 354.0;
    QTest::newRow("presque un entier") << 1548.75 << 774.0;
    QTest::newRow("zéro") << 0.0 << 0.0;
    QTest::newRow("négatif : divisé vers zéro") << -3.0 << -1.0;
    QTest::newRow("moitié négative vers le pair") << -2.5 << -1.0;
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
    QTest::newRow("photo large : 2755 de large")
        << QSizeF(4000, 3000) << Cadre << 500.0 << QRectF(8290, 4554, 2755, 2066.25);
    QTest::newRow("photo haute : 2275 de haut")
        << QSizeF(3000, 4000) << Cadre << 500.0 << QRectF(8814, 4450, 1706.25, 2275);
    QTest::newRow("carrée et grande : par la hauteur")
        << QSizeF(6000, 6000) << Cadre << 500.0 << QRectF(8530, 4450, 2275, 2275);
    QTest::newRow("seulement plus large que le cadre")
        << QSizeF(3300, 1000) << Cadre << 500.0
        << QRectF(8290, 4200 + 970, 2755, 1000.0 * 2755 / 3300);
    QTest::newRow("seulement plus haute que le cadre, mais plus large que haute : par la largeur")
        << QSizeF(3000, 2800) << Cadre << 500.0 << QRectF(8290, 4302, 2755, 2800.0 * 2755 / 3000);
    QTest::newRow("plus large que le cadre mais plus haute que large")
        << QSizeF(3300, 3400) << Cadre << 500.0
        << QRectF(8040 + 523, 4450, 3300.0 * 2275 / 3400, 2275);
    QTest::newRow("tient : taille naturelle, centrée")
        << QSizeF(1500, 1200) << Cadre << 500.0 << QRectF(8917, 4987, 1500, 1200);
    QTest::newRow("exactement le cadre : non redimensionnée")
        << QSizeF(3255, 2775) << Cadre << 500.0 << QRectF(8040, 4200, 3255, 2775);
    QTest::newRow("marge de la cellule de vignette")
        << QSizeF(3000, 1500) << QRectF(0, 0, 1305, 1245) << 200.0 << QRectF(100, 346, 1105, 552.5);
    QTest::newRow("l'image d'attente, 200 x 250 pixels")
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
