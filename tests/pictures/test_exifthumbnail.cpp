#include "pictures/exifthumbnail.h"
#include "samples.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTest>

namespace {

// Four quarters of distinct colours, so that any turn or mirror shows; as a JPEG file.
QByteArray quartiers(QSize taille) {
    QImage image(taille, QImage::Format_RGB32);
    QPainter p(&image);
    const int w = taille.width() / 2, h = taille.height() / 2;
    p.fillRect(0, 0, w, h, Qt::red);
    p.fillRect(w, 0, w, h, Qt::green);
    p.fillRect(0, h, w, h, Qt::blue);
    p.fillRect(w, h, w, h, Qt::yellow);
    p.end();
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPEG", 95);
    return octets;
}

} // namespace

class TestExifThumbnail : public QObject {
    Q_OBJECT
private slots:
    void tourneeCommeLaPhoto_data();
    void tourneeCommeLaPhoto();
};

void TestExifThumbnail::tourneeCommeLaPhoto_data() {
    QTest::addColumn<QByteArray>("photo");
    const QByteArray jpeg = quartiers({640, 480});
    const QImage vignette = QImage::fromData(quartiers({160, 120}));
    for (int o = 0; o <= 8; ++o)
        QTest::addRow("orientation %d", o) << Samples::withExifThumbnail(jpeg, vignette, o);
    // The tag in forms that readers take differently: the photo's reading decides.
    using T = Samples::OrientationTag;
    QTest::newRow("orientation 3 comptée deux fois")
        << Samples::withExifThumbnail(jpeg, vignette, 3, T::TwoShorts);
    QTest::newRow("orientation 3 en LONG")
        << Samples::withExifThumbnail(jpeg, vignette, 3, T::Long);
    QTest::newRow("orientation 3 dans l'IFD de la vignette")
        << Samples::withExifThumbnail(jpeg, vignette, 3, T::ThumbnailIfd);
    QTest::newRow("JPEG sans EXIF") << jpeg;
    QTest::newRow("EXIF sans vignette") << Samples::withExifThumbnail(jpeg, QImage(), 6);
    QByteArray abimee = Samples::withExifThumbnail(jpeg, vignette, 1);
    // The thumbnail's start of image, and what follows, overwritten.
    abimee.replace(abimee.indexOf(QByteArray("\xFF\xD8", 2), 2), 64, QByteArray(64, '\x5a'));
    QTest::newRow("vignette illisible") << abimee;
}

// The thumbnail shows what the JPEG decoder shows of the photo itself, or there is none.
void TestExifThumbnail::tourneeCommeLaPhoto() {
    QFETCH(QByteArray, photo);
    QBuffer tampon(&photo);
    QImageReader lecteur(&tampon, "jpeg");
    lecteur.setAutoTransform(true);
    const QImage montree = lecteur.read();
    const QImage lue = ExifThumbnail::fromData(photo);
    if (!QByteArray(QTest::currentDataTag()).startsWith("orientation")) {
        QVERIFY(lue.isNull());
        return;
    }
    QCOMPARE(lue.size() * 4, montree.size());
    for (const QPoint p : {QPoint(1, 1), QPoint(3, 1), QPoint(1, 3), QPoint(3, 3)}) {
        const QRgb a = lue.pixel(p.x() * lue.width() / 4, p.y() * lue.height() / 4);
        const QRgb b = montree.pixel(p.x() * montree.width() / 4, p.y() * montree.height() / 4);
        QVERIFY(qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) <
                90);
    }
}

QTEST_GUILESS_MAIN(TestExifThumbnail)
#include "test_exifthumbnail.moc"
