#include "vignettes/geometriegrille.h"

#include <QTest>

using namespace GeometrieGrille;

class TestGeometrieGrille : public QObject {
    Q_OBJECT
private slots:
    void cellule_data();
    void cellule();
    void bitmapAllerRetour_data();
    void bitmapAllerRetour();
    void etendue_data();
    void etendue();
};

void TestGeometrieGrille::cellule_data() {
    QTest::addColumn<int>("i");
    QTest::addColumn<QPointF>("coin");
    QTest::newRow("photo 0 garde la cellule du dessin") << 0 << QPointF(200, 360);
    QTest::newRow("colonne 1") << 1 << QPointF(1705, 360);
    QTest::newRow("colonne 3 finit à 6020") << 3 << QPointF(4715, 360);
    QTest::newRow("photo 4 ouvre la rangée 1") << 4 << QPointF(200, 1965);
    QTest::newRow("photo 5 : colonne 1 de la rangée 1") << 5 << QPointF(1705, 1965);
}

void TestGeometrieGrille::cellule() {
    QFETCH(int, i);
    QFETCH(QPointF, coin);
    QCOMPARE(::cellule(i), QRectF(coin, QSizeF(1305, 1245)));
}

// A cached bitmap is 1.5 times the thumbnail's pixel size; shown at two thirds of its natural
// size it takes exactly the thumbnail's place again.
void TestGeometrieGrille::bitmapAllerRetour_data() {
    QTest::addColumn<QSizeF>("naturelle");
    QTest::addColumn<QSize>("bitmap");
    QTest::newRow("photo large : 74 x 37 montrés") << QSizeF(30000, 15000) << QSize(111, 56);
    QTest::newRow("petite photo agrandie dans le bitmap") << QSizeF(750, 600) << QSize(75, 60);
    QTest::newRow("photo 4:3, hauteur impaire") << QSizeF(60000, 45000) << QSize(111, 83);
}

void TestGeometrieGrille::bitmapAllerRetour() {
    QFETCH(QSizeF, naturelle);
    QFETCH(QSize, bitmap);
    const QRectF ajustee = AfficherThumb(naturelle, ::cellule(0));
    QCOMPARE(tailleBitmap(ajustee.size()), bitmap);
    const QRectF relue = AfficherThumb2(QSizeF(bitmap) * 15, ::cellule(0));
    const auto px = [](const QRectF& r) {
        return QRect(qRound(r.left() / 15), qRound(r.top() / 15), qRound(r.width() / 15),
                     qRound(r.height() / 15));
    };
    QCOMPARE(px(relue).size(), px(ajustee).size());
    QVERIFY(qAbs(px(relue).left() - px(ajustee).left()) <= 1);
    QVERIFY(qAbs(px(relue).top() - px(ajustee).top()) <= 1);
    QCOMPARE(tailleAffichee(bitmap), px(ajustee).size());
}

void TestGeometrieGrille::etendue_data() {
    QTest::addColumn<int>("nombre");
    QTest::addColumn<bool>("barre");
    QTest::addColumn<double>("hauteur");
    QTest::newRow("aucune photo") << 0 << false << 0.0;
    QTest::newRow("une photo : aucune placée par la règle") << 1 << false << 0.0;
    QTest::newRow("16 photos, quatre rangées en vue : pas de barre") << 16 << false << 0.0;
    QTest::newRow("17 photos : une cinquième rangée sous la vue") << 17 << true << 9570.0;
    QTest::newRow("21 photos : barre, 7 x 1595") << 21 << true << 11165.0;
    QTest::newRow("25 photos : 8 x 1595") << 25 << true << 12760.0;
    // (r + 2) x 1595 would stop 14 rows short: the last row's bottom and a top margin.
    QTest::newRow("10000 photos : la dernière rangée atteignable") << 10000 << true << 4012860.0;
    QTest::newRow("32767 photos") << 32767 << true << 13148520.0;
}

void TestGeometrieGrille::etendue() {
    QFETCH(int, nombre);
    QFETCH(bool, barre);
    QFETCH(double, hauteur);
    const Etendue e = etendueDefilement(nombre, 6495); // the grid's place in the dialog
    QCOMPARE(e.barre, barre);
    if (barre)
        QCOMPARE(e.hauteur, hauteur);
}

QTEST_GUILESS_MAIN(TestGeometrieGrille)
#include "test_geometriegrille.moc"
