// The transition panel: one event per started transition, a cross-fade of about the duration.

#include "controls/transitionpanel.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {
// A child whose whole surface shows one colour.
class Aplat : public QWidget {
public:
    using QWidget::QWidget;
    QColor couleur = Qt::red;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), couleur);
    }
};
} // namespace

class TestTransitionPanel : public QObject {
    Q_OBJECT
private slots:
    void sansDureePasDeFondu_data();
    void sansDureePasDeFondu();
    void fonduUnSeulEvenement();
    void redimensionnementTermineLeFondu();
};

void TestTransitionPanel::sansDureePasDeFondu_data() {
    QTest::addColumn<int>("duree");
    QTest::addColumn<bool>("visible");
    QTest::newRow("0 ms") << 0 << true;
    QTest::newRow("négatif") << -5 << true;
    QTest::newRow("cache") << 800 << false;
}

void TestTransitionPanel::sansDureePasDeFondu() {
    QFETCH(int, duree);
    QFETCH(bool, visible);
    TransitionPanel panel;
    panel.resize(80, 60);
    if (visible) {
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
    }
    QSignalSpy evenements(&panel, &TransitionPanel::transitionEvent);
    QSignalSpy fins(&panel, &TransitionPanel::finished);
    QVERIFY(panel.start(0, duree));
    QCOMPARE(evenements.size(), 1);
    QCOMPARE(fins.size(), 1);
    QVERIFY(!panel.running());
    QVERIFY(panel.start(0, duree));
    QCOMPARE(evenements.size(), 2);
}

void TestTransitionPanel::fonduUnSeulEvenement() {
    TransitionPanel panel;
    auto* aplat = new Aplat(&panel);
    panel.resize(80, 60);
    aplat->resize(80, 60);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy evenements(&panel, &TransitionPanel::transitionEvent);
    QSignalSpy fins(&panel, &TransitionPanel::finished);
    connect(&panel, &TransitionPanel::transitionEvent, aplat, [aplat] {
        aplat->couleur = Qt::blue;
        aplat->update();
    });
    QVERIFY(panel.start(7, 1500));
    QCOMPARE(evenements.size(), 1);
    QVERIFY(panel.running());
    // A second start during the fade is refused and raises nothing.
    QVERIFY(!panel.start(0, 1500));
    QCOMPARE(evenements.size(), 1);
    QTRY_VERIFY(panel.progress() > 0.2);
    // Half-way the screen shows both pictures at once.
    const QColor milieu = panel.grab().toImage().pixelColor(40, 30);
    QVERIFY2(milieu.red() > 20 && milieu.blue() > 20, qPrintable(milieu.name()));
    QTRY_VERIFY_WITH_TIMEOUT(!panel.running(), 5000);
    QCOMPARE(fins.size(), 1);
    QVERIFY(panel.framesPainted() > 1);
    QCOMPARE(panel.grab().toImage().pixelColor(40, 30), QColor(Qt::blue));
    QCOMPARE(evenements.size(), 1);
}

void TestTransitionPanel::redimensionnementTermineLeFondu() {
    TransitionPanel panel;
    new Aplat(&panel);
    panel.resize(80, 60);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy fins(&panel, &TransitionPanel::finished);
    QVERIFY(panel.start(0, 60000));
    panel.resize(100, 70);
    QVERIFY(!panel.running());
    QCOMPARE(fins.size(), 1);
    QVERIFY(panel.start(0, 0));
}

QTEST_MAIN(TestTransitionPanel)
#include "test_transitionpanel.moc"
