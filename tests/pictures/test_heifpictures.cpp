#include "pictures/heifpictures.h"
#include "pictures/qtpictures.h"
#include "samples.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Four quadrants, each of its own colour, so that a turn or a mirror shows.
QImage quadrants(const QSize& s) {
    QImage image(s, QImage::Format_RGB32);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            image.setPixel(x, y,
                           qRgb(x * 2 < s.width() ? 220 : 30, y * 2 < s.height() ? 30 : 200,
                                x * 2 < s.width() && y * 2 >= s.height() ? 220 : 30));
    return image;
}

bool proche(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) <
           90;
}

} // namespace

class TestHeifPictures : public QObject {
    Q_OBJECT
private slots:
    void decoder_data() {
        QTest::addColumn<int>("codec");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("demandee");
        QTest::addColumn<QSize>("attendue");
        QTest::addColumn<QRgb>("hautGauche");
        // Top left red, top right dark, bottom left pink, bottom right green.
        const QRgb rouge = qRgb(220, 30, 30), rose = qRgb(220, 200, 220), sombre = qRgb(30, 30, 30);
        const int hevc = int(Samples::HeifCodec::Hevc), avif = int(Samples::HeifCodec::Avif);
        QTest::newRow("HEIC droit") << hevc << 1 << QSize() << QSize(96, 64) << rouge;
        QTest::newRow("HEIC réduit") << hevc << 1 << QSize(48, 32) << QSize(48, 32) << rouge;
        QTest::newRow("HEIC tourné d'un quart") << hevc << 6 << QSize() << QSize(64, 96) << rose;
        QTest::newRow("AVIF en miroir") << avif << 2 << QSize() << QSize(96, 64) << sombre;
        QTest::newRow("AVIF tourné de trois quarts")
            << avif << 8 << QSize() << QSize(64, 96) << sombre;
    }
    void decoder() {
        QFETCH(int, codec);
        QFETCH(int, orientation);
        QFETCH(QSize, demandee);
        QFETCH(QSize, attendue);
        QFETCH(QRgb, hautGauche);
        QTemporaryDir tmp;
        const QString chemin = tmp.filePath(QStringLiteral("photo.heic"));
        QVERIFY(Samples::writeHeif(quadrants({96, 64}), chemin, Samples::HeifCodec(codec),
                                   orientation));
        const auto entete = HeifPictures::readHeader(chemin);
        QVERIFY(entete);
        QCOMPARE(entete->size, demandee.isValid() ? QSize(96, 64) : attendue);
        const QImage image = HeifPictures::decode(chemin, demandee);
        QCOMPARE(image.size(), attendue);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QVERIFY2(proche(image.pixel(2, 2), hautGauche),
                 qPrintable(QString::number(image.pixel(2, 2), 16)));
    }

    // A thumbnail the file holds, large enough, spares the decode of the whole picture.
    void vignette_data() {
        QTest::addColumn<QSize>("demandee");
        QTest::addColumn<bool>("delaVignette");
        QTest::newRow("plus petite que la vignette") << QSize(24, 16) << true;
        QTest::newRow("plus grande que la vignette") << QSize(64, 42) << false;
    }
    void vignette() {
        QFETCH(QSize, demandee);
        QFETCH(bool, delaVignette);
        QTemporaryDir tmp;
        const QString chemin = tmp.filePath(QStringLiteral("photo.heic"));
        QImage bleue(48, 32, QImage::Format_RGB32);
        bleue.fill(qRgb(30, 30, 220));
        QVERIFY(
            Samples::writeHeif(quadrants({96, 64}), chemin, Samples::HeifCodec::Hevc, 1, bleue));
        const QImage image = HeifPictures::decode(chemin, demandee);
        QCOMPARE(image.size(), demandee);
        QCOMPARE(proche(image.pixel(1, 1), qRgb(30, 30, 220)), delaVignette);
    }

    // The picture service reads them as it reads any photo: shown size, fitted within a bound.
    void parLeService() {
        QTemporaryDir tmp;
        const QString chemin = tmp.filePath(QStringLiteral("IMG_0001.HEIC"));
        QVERIFY(Samples::writeHeif(quadrants({96, 64}), chemin, Samples::HeifCodec::Hevc, 6));
        const QtPictures images;
        QCOMPARE(images.size(chemin), QSize(64, 96));
        QCOMPARE(images.loadFitted(chemin, {40, 40}).size(), QSize(26, 40));
        QCOMPARE(images.load(chemin).size(), QSize(64, 96));
    }

    void pasUnHeif_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("JPEG") << QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0", 14);
        QTest::newRow("en-tête seul") << QByteArray("\0\0\0\x18"
                                                    "ftypheic\0\0\0\0mif1heic",
                                                    24);
    }
    void pasUnHeif() {
        QFETCH(QByteArray, octets);
        QTemporaryDir tmp;
        const QString chemin = tmp.filePath(QStringLiteral("x.heic"));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
        f.close();
        QVERIFY(!HeifPictures::readHeader(chemin));
        QVERIFY(HeifPictures::decode(chemin, {}).isNull());
    }
};

QTEST_GUILESS_MAIN(TestHeifPictures)
#include "test_heifpictures.moc"
