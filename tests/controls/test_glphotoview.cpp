// OpenGL draws the photo panel's frame as the painter does, within a few levels.

#include "controls/glphotoview.h"
#include "controls/photopanel.h"
#include "samples.h"

#include <QTest>

class TestGlPhotoView : public QObject {
    Q_OBJECT
private slots:
    void memeImage_data();
    void memeImage();
};

void TestGlPhotoView::memeImage_data() {
    QTest::addColumn<double>("progression"); // < 0: no fade
    QTest::addColumn<bool>("mouvement");
    QTest::newRow("immobile") << -1.0 << false;
    QTest::newRow("fondu") << 0.4 << false;
    QTest::newRow("fondu en mouvement") << 0.4 << true;
}

void TestGlPhotoView::memeImage() {
    QFETCH(double, progression);
    QFETCH(bool, mouvement);
    // A photo wider than the panel and one taller: black bars, edges inside the panel.
    const QImage large = Samples::paint(QSize(320, 180), 4);
    const QImage haute = Samples::paint(QSize(180, 240), 5);
    const PhotoMotion m1{1.03, 1.08, {0.2, 0.9}, {0.7, 0.1}, 3000};
    const PhotoMotion m2{1.07, 1.02, {0.9, 0.3}, {0.1, 0.6}, 3000};
    const auto dessiner = [&](bool opengl) {
        PhotoPanel panneau;
        panneau.resize(320, 240);
        if (opengl && !panneau.useOpenGL())
            return QImage();
        double maintenant = 0;
        panneau.setClock([&maintenant] { return maintenant; });
        panneau.setPicture(large);
        if (mouvement)
            panneau.setMotion(m1);
        maintenant = 700;
        if (progression >= 0) {
            panneau.beginCrossFade([progression] { return progression; });
            panneau.setPicture(haute);
            if (mouvement)
                panneau.setMotion(m2);
        }
        maintenant = 1100;
        panneau.show();
        if (!QTest::qWaitForWindowExposed(&panneau))
            return QImage();
        return panneau.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage peint = dessiner(false);
    const QImage gl = dessiner(true);
    if (gl.isNull())
        QSKIP("no OpenGL here");
    QCOMPARE(gl.size(), peint.size());
    int ecart = 0;
    for (int y = 0; y < gl.height(); ++y)
        for (int x = 0; x < gl.width(); ++x) {
            const QRgb a = gl.pixel(x, y), b = peint.pixel(x, y);
            ecart = std::max({ecart, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                              qAbs(qBlue(a) - qBlue(b))});
        }
    QVERIFY2(ecart <= 4, qPrintable(QString::number(ecart)));
}

QTEST_MAIN(TestGlPhotoView)
#include "test_glphotoview.moc"
