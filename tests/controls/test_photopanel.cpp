// The photo panel's pan and zoom, and the cross-fade it draws itself.

#include "controls/photopanel.h"

#include <QTest>
#include <algorithm>

class TestPhotoPanel : public QObject {
    Q_OBJECT
private slots:
    void cadre_data();
    void cadre();
    void sansSaut();
    void fondu_data();
    void fondu();
};

namespace {
const PhotoMotion Mouvement{1.02, 1.08, {0.25, 1.0}, {0.75, 0.0}, 4000};
} // namespace

void TestPhotoPanel::cadre_data() {
    QTest::addColumn<double>("ms");
    QTest::addColumn<QRectF>("cadre"); // for a panel of 400 x 300
    QTest::newRow("au debut") << 0.0 << QRectF(-2, -6, 408, 306);
    // Eased out: three quarters of the way at half the time.
    QTest::newRow("a mi-temps") << 2000.0 << QRectF(-16.25, -4.875, 426, 319.5);
    QTest::newRow("a la fin, puis immobile") << 9000.0 << QRectF(-24, 0, 432, 324);
}

void TestPhotoPanel::cadre() {
    QFETCH(double, ms);
    QFETCH(QRectF, cadre);
    QCOMPARE(Mouvement.frame(QSizeF(400, 300), ms), cadre);
}

// From one frame to the next at 60 Hz the content moves by a pixel or two at most on a 1080p
// screen, and not at all once the motion is over; the panel stays covered all along.
void TestPhotoPanel::sansSaut() {
    const QSizeF panneau(1920, 1080);
    const double pas = 1000.0 / 60;
    QRectF avant = Mouvement.frame(panneau, 0);
    double ecart = 0;
    for (double t = pas; t < 5000; t += pas) {
        const QRectF r = Mouvement.frame(panneau, t);
        QVERIFY(r.contains(QRectF(QPointF(), panneau)));
        ecart = std::max({qAbs(r.left() - avant.left()), qAbs(r.right() - avant.right()),
                          qAbs(r.top() - avant.top()), qAbs(r.bottom() - avant.bottom())});
        QVERIFY2(ecart <= 2, qPrintable(QString::number(t)));
        avant = r;
    }
    QCOMPARE(ecart, 0.0);
}

void TestPhotoPanel::fondu_data() {
    QTest::addColumn<double>("progression");
    QTest::addColumn<bool>("mouvement");
    QTest::newRow("debut du fondu") << 0.0 << false;
    QTest::newRow("au quart") << 0.25 << false;
    QTest::newRow("au quart, en mouvement") << 0.25 << true;
    QTest::newRow("fin du fondu") << 1.0 << true;
}

// The old picture stays under the new one, which the fade's progress makes opaque.
void TestPhotoPanel::fondu() {
    QFETCH(double, progression);
    QFETCH(bool, mouvement);
    PhotoPanel panneau;
    panneau.resize(80, 60);
    QImage rouge(80, 60, QImage::Format_RGB32), bleu(80, 60, QImage::Format_RGB32);
    rouge.fill(QColor(200, 0, 0));
    bleu.fill(QColor(0, 0, 240));
    panneau.setPicture(rouge);
    if (mouvement)
        panneau.setMotion(Mouvement);
    panneau.beginCrossFade([progression] { return progression; });
    panneau.setPicture(bleu);
    if (mouvement)
        panneau.setMotion(Mouvement);
    const QRgb c = panneau.grab().toImage().pixel(40, 30);
    QVERIFY2(qAbs(qRed(c) - 200 * (1 - progression)) <= 1 &&
                 qAbs(qBlue(c) - 240 * progression) <= 1,
             qPrintable(QColor(c).name()));
    panneau.endCrossFade();
    QCOMPARE(panneau.grab().toImage().pixel(40, 30), bleu.pixel(0, 0));
}

QTEST_MAIN(TestPhotoPanel)
#include "test_photopanel.moc"
