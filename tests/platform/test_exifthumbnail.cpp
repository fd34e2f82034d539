#include "platform/exifthumbnail.h"
#include "samples.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTest>

namespace {

// Four quarters of distinct colours, so that any turn or mirror shows.
QImage quartiers(QSize taille) {
    QImage image(taille, QImage::Format_RGB32);
    QPainter p(&image);
    const int w = taille.width() / 2, h = taille.height() / 2;
    p.fillRect(0, 0, w, h, Qt::red);
    p.fillRect(w, 0, taille.width() - w, h, Qt::green);
    p.fillRect(0, h, w, taille.height() - h, Qt::blue);
    p.fillRect(w, h, taille.width() - w, taille.height() - h, Qt::yellow);
    return image;
}

QByteArray enJpeg(const QImage& image) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPEG", 95);
    return octets;
}

QList<QColor> coins(const QImage& image) {
    const int x = image.width() / 4, y = image.height() / 4;
    const int x2 = image.width() - 1 - x, y2 = image.height() - 1 - y;
    return {image.pixelColor(x, y), image.pixelColor(x2, y), image.pixelColor(x, y2),
            image.pixelColor(x2, y2)};
}

bool proches(const QList<QColor>& a, const QList<QColor>& b) {
    for (qsizetype i = 0; i < a.size(); ++i)
        if (qAbs(a[i].red() - b[i].red()) > 40 || qAbs(a[i].green() - b[i].green()) > 40 ||
            qAbs(a[i].blue() - b[i].blue()) > 40)
            return false;
    return true;
}

} // namespace

class TestExifThumbnail : public QObject {
    Q_OBJECT
private slots:
    void tourneeCommeLaPhoto_data();
    void tourneeCommeLaPhoto();
    void sansVignette_data();
    void sansVignette();
};

void TestExifThumbnail::tourneeCommeLaPhoto_data() {
    QTest::addColumn<int>("orientation");
    for (int o = 0; o <= 8; ++o)
        QTest::addRow("orientation %d", o) << o;
}

// The thumbnail shows what the JPEG decoder shows of the photo itself.
void TestExifThumbnail::tourneeCommeLaPhoto() {
    QFETCH(int, orientation);
    const QByteArray photo = Samples::withExifThumbnail(enJpeg(quartiers({640, 480})),
                                                        quartiers({160, 120}), orientation);
    QVERIFY(!photo.isEmpty());
    QByteArray octets = photo;
    QBuffer tampon(&octets);
    QImageReader lecteur(&tampon, "jpeg");
    lecteur.setAutoTransform(true);
    const QImage montree = lecteur.read();
    const QImage vignette = ExifThumbnail::fromData(photo);
    QCOMPARE(vignette.size() * 4, montree.size());
    QVERIFY(proches(coins(vignette), coins(montree)));
}

void TestExifThumbnail::sansVignette_data() {
    QTest::addColumn<QByteArray>("octets");
    const QByteArray photo = enJpeg(quartiers({64, 48}));
    QTest::newRow("JPEG sans EXIF") << photo;
    QTest::newRow("EXIF sans vignette") << Samples::withExifThumbnail(photo, QImage(), 6);
    QByteArray abimee = Samples::withExifThumbnail(photo, quartiers({160, 120}), 1);
    // The thumbnail's start of image, and what follows, overwritten.
    const qsizetype debut = abimee.indexOf(QByteArray("\xFF\xD8", 2), 2);
    abimee.replace(debut, 64, QByteArray(64, '\x5a'));
    QTest::newRow("vignette illisible") << abimee;
    QTest::newRow("vide") << QByteArray();
}

void TestExifThumbnail::sansVignette() {
    QFETCH(QByteArray, octets);
    QVERIFY(ExifThumbnail::fromData(octets).isNull());
}

QTEST_GUILESS_MAIN(TestExifThumbnail)
#include "test_exifthumbnail.moc"
