#include "controls/reglesdialogue.h"

#include <QTest>

using namespace ReglesDialogue;

class TestReglesDialogue : public QObject {
    Q_OBJECT
private slots:
    void frameSequences_data();
    void frameSequences();
    void slideWidths_data();
    void slideWidths();
};

void TestReglesDialogue::frameSequences_data() {
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

void TestReglesDialogue::frameSequences() {
    QFETCH(int, images);
    QFETCH(int, depart);
    QFETCH(QList<int>, etapes);
    QList<int> vues;
    int e = depart;
    for (qsizetype k = 0; k < etapes.size(); ++k)
        vues << (e = EtapeSuivante(e, images));
    QCOMPARE(vues, etapes);
}

void TestReglesDialogue::slideWidths_data() {
    QTest::addColumn<int>("depuis");
    QTest::addColumn<int>("jusqua");
    QTest::addColumn<int>("pas");
    QTest::newRow("open") << 0 << 3255 << 12;
    QTest::newRow("close") << 3000 << 100 << 12;
    QTest::newRow("one step") << 3000 << 100 << 1;
    QTest::newRow("more steps than twips") << 0 << 5 << 12;
    QTest::newRow("no distance") << 40 << 40 << 12;
}

void TestReglesDialogue::slideWidths() {
    QFETCH(int, depuis);
    QFETCH(int, jusqua);
    QFETCH(int, pas);
    const QList<int> l = LargeursGlissement(depuis, jusqua, pas);
    QCOMPARE(l.first(), depuis);
    QCOMPARE(l.last(), jusqua);
    QVERIFY(l.size() <= pas + 1);
    for (qsizetype k = 1; k < l.size(); ++k)
        QVERIFY(jusqua >= depuis ? l[k] >= l[k - 1] : l[k] <= l[k - 1]);
}

QTEST_APPLESS_MAIN(TestReglesDialogue)
#include "tst_reglesdialogue.moc"
