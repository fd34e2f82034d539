#include "controls/reglesdialogue.h"

#include <QTest>

using namespace ReglesDialogue;

class TestReglesDialogue : public QObject {
    Q_OBJECT
private slots:
    void suitesDImages_data();
    void suitesDImages();
};

void TestReglesDialogue::suitesDImages_data() {
    QTest::addColumn<int>("images");
    QTest::addColumn<int>("depart");
    QTest::addColumn<QList<int>>("etapes");
    QTest::newRow("command bar") << 6 << 0 << QList<int>{1, 2, 3, 4, 5, 1, 2};
    QTest::newRow("wallpaper buttons") << 5 << 0 << QList<int>{1, 2, 3, 4, 1, 2};
    QTest::newRow("resumes from any frame") << 6 << 4 << QList<int>{5, 1};
    QTest::newRow("counter beyond the list") << 5 << 9 << QList<int>{1, 2};
    QTest::newRow("one picture") << 1 << 0 << QList<int>{1, 1};
    QTest::newRow("empty list") << 0 << 0 << QList<int>{1, 1};
}

void TestReglesDialogue::suitesDImages() {
    QFETCH(int, images);
    QFETCH(int, depart);
    QFETCH(QList<int>, etapes);
    QList<int> vues;
    int e = depart;
    for (qsizetype k = 0; k < etapes.size(); ++k)
        vues << (e = EtapeSuivante(e, images));
    QCOMPARE(vues, etapes);
}

QTEST_APPLESS_MAIN(TestReglesDialogue)
#include "test_reglesdialogue.moc"
