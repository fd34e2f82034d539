#include "controls/hoveranimation.h"

#include <QSignalSpy>
#include <QTest>

class TestHoverAnimation : public QObject {
    Q_OBJECT
private slots:
    void suitesDImages_data();
    void suitesDImages();
    void survolQuiBouge();
};

void TestHoverAnimation::suitesDImages_data() {
    QTest::addColumn<int>("images");
    QTest::addColumn<int>("depart");
    QTest::addColumn<QList<int>>("etapes");
    QTest::newRow("barre de commandes") << 6 << 0 << QList<int>{1, 2, 3, 4, 5, 1, 2};
    QTest::newRow("boutons des fonds") << 5 << 0 << QList<int>{1, 2, 3, 4, 1, 2};
    QTest::newRow("reprend de n'importe quelle image") << 6 << 4 << QList<int>{5, 1};
    QTest::newRow("compteur au-delà de la liste") << 5 << 9 << QList<int>{1, 2};
    QTest::newRow("une image") << 1 << 0 << QList<int>{1, 1};
    QTest::newRow("liste vide") << 0 << 0 << QList<int>{1, 1};
}

void TestHoverAnimation::suitesDImages() {
    QFETCH(int, images);
    QFETCH(int, depart);
    QFETCH(QList<int>, etapes);
    QList<int> vues;
    int e = depart;
    for (qsizetype k = 0; k < etapes.size(); ++k)
        vues << (e = HoverAnimation::nextFrame(e, images));
    QCOMPARE(vues, etapes);
}

// A pointer that keeps moving does not hold the animation back; another button goes on from
// the frame reached, and the end of the hover stops it.
void TestHoverAnimation::survolQuiBouge() {
    HoverAnimation animation(20);
    QSignalSpy images(&animation, &HoverAnimation::frameChanged);
    QTimer pointeur;
    connect(&pointeur, &QTimer::timeout, &animation, [&animation] { animation.hover(2, 6); });
    pointeur.start(5);
    animation.hover(2, 6);
    QTRY_VERIFY(images.size() >= 2);
    pointeur.stop();
    const int atteinte = images.last().at(1).toInt();
    animation.hover(5, 6);
    QVERIFY(images.wait());
    QCOMPARE(images.last().at(0).toInt(), 5);
    QCOMPARE(images.last().at(1).toInt(), HoverAnimation::nextFrame(atteinte, 6));
    animation.stop();
    QVERIFY(!animation.isActive());
    images.clear();
    QTest::qWait(60);
    QVERIFY(images.isEmpty());
}

QTEST_GUILESS_MAIN(TestHoverAnimation)
#include "test_hoveranimation.moc"
