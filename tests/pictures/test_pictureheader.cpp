#include "pictures/decodeplan.h"
#include "pictures/pictureheader.h"
#include "pictures/pictures.h"
#include "samples.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray be16(int v) {
    QByteArray b(2, '\0');
    qToBigEndian<quint16>(quint16(v), b.data());
    return b;
}

// A JPEG made of its markers only: a frame of 4:2:0 colour, one scan of `scanned` components.
QByteArray jpegMarkers(int frame, int side, int scanned) {
    QByteArray b("\xff\xd8\xff", 3);
    b += char(frame) + be16(17) + '\x08' + be16(side) + be16(side) + '\x03';
    b += QByteArray("\x01\x22\x00\x02\x11\x01\x03\x11\x01", 9);
    b += QByteArray("\xff\xda", 2) + be16(6 + 2 * scanned) + char(scanned);
    for (int i = 1; i <= scanned; ++i)
        b += char(i) + QByteArray(1, '\0');
    return b + QByteArray("\x00\x3f\x00\x12\xff\x00\x34\xff\xd9", 9);
}

QByteArray pngHeader(int side, bool interlaced) {
    QByteArray b("\x89PNG\r\n\x1a\n", 8);
    b += QByteArray("\0\0\0\x0dIHDR", 8);
    const QByteArray cote = be16(side >> 16) + be16(side & 0xffff);
    b += cote + cote;
    return b + QByteArray("\x08\x02\x00\x00", 4) + char(interlaced ? 1 : 0);
}

// A chunk after a header made by pngHeader (whose checksum the header reader does not look at).
QByteArray chunk(const char* type, const QByteArray& data) {
    return be16(0) + be16(int(data.size())) + type + data + QByteArray(4, '\0');
}

// Texts of `size` bytes each, compressed, before or after the pixels of a 1600 × 1600 PNG.
QByteArray pngTexts(const char* type, int count, int size, bool after) {
    const QByteArray fields = QByteArray(type) == "zTXt" ? QByteArray("Comment\0\0", 9)
                                                         : QByteArray("Comment\0\1\0\0\0", 12);
    const QByteArray text = chunk(type, fields + qCompress(QByteArray(size, 'a'), 9).sliced(4));
    const QByteArray pixels = chunk("IDAT", QByteArray(200, '\0'));
    QByteArray b = pngHeader(1600, false) + QByteArray(4, '\0');
    if (after)
        b += pixels;
    for (int i = 0; i < count; ++i)
        b += text;
    return b + (after ? QByteArray() : pixels) + chunk("IEND", {});
}

QByteArray written(const char* format, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(Samples::paint(QSize(160, 120), 5));
    return bytes;
}

PictureHeader headerOf(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return PictureHeader::read(buffer);
}

} // namespace

class TestPictureHeader : public QObject {
    Q_OBJECT
private slots:
    // What the header tells of pictures written by a real encoder.
    void enTete_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<bool>("fullBuffer");
        QTest::addColumn<bool>("complete");
        const QByteArray baseline = written("jpeg", false);
        QByteArray adam7 = written("png", false);
        adam7[28] = 1;
        QTest::newRow("PNG") << written("png", false) << false << false << true;
        QTest::newRow("PNG entrelacé") << adam7 << true << false << true;
        QTest::newRow("JPEG séquentiel") << baseline << false << false << true;
        QTest::newRow("JPEG progressif") << written("jpeg", true) << false << true << true;
        QTest::newRow("JPEG tronqué")
            << baseline.left(baseline.size() * 2 / 3) << false << false << false;
        QTest::newRow("JPEG suivi de données")
            << baseline + QByteArray(300, '\xff') << false << false << true;
    }
    void enTete() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, interlaced);
        QFETCH(bool, fullBuffer);
        QFETCH(bool, complete);
        const PictureHeader h = headerOf(bytes);
        QCOMPARE(h.size, QSize(160, 120));
        QCOMPARE(h.interlaced, interlaced);
        QCOMPARE(h.fullBuffer, fullBuffer);
        QCOMPARE(h.complete, complete);
        // Every luminance coefficient at least is kept.
        QVERIFY(!fullBuffer || h.coefficients >= 160 * 120 * 2);
    }

    // Huge headers, fitted to a screen: refused when the decoder would keep the whole picture
    // beyond the bound, otherwise decoded within it.
    void bornee_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("refused");
        QTest::newRow("JPEG séquentiel 16000") << jpegMarkers(0xc0, 16000, 3) << false;
        QTest::newRow("JPEG progressif 16000") << jpegMarkers(0xc2, 16000, 3) << true;
        QTest::newRow("JPEG progressif 3000") << jpegMarkers(0xc2, 3000, 1) << false;
        QTest::newRow("JPEG une composante par passe 16000") << jpegMarkers(0xc0, 16000, 1) << true;
        QTest::newRow("PNG 12000") << pngHeader(12000, false) << false;
        QTest::newRow("PNG entrelacé 12000") << pngHeader(12000, true) << true;
        QTest::newRow("PNG entrelacé, plus grand côté") << pngHeader(0x7fffffff, true) << true;
        // What its reader inflates besides the pixels counts, wherever the texts lie.
        QTest::newRow("PNG, cent zTXt de 7,9 Mo")
            << pngTexts("zTXt", 100, 7'900'000, false) << true;
        QTest::newRow("PNG, iTXt après les pixels")
            << pngTexts("iTXt", 10, 7'900'000, true) << true;
        QTest::newRow("PNG, quelques textes") << pngTexts("zTXt", 3, 2000, true) << false;
    }
    void bornee() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, refused);
        const PictureHeader h = headerOf(bytes);
        const QSize target = h.size.scaled(1920, 1080, Qt::KeepAspectRatio);
        const DecodePlan p =
            DecodePlan::make(h, h.size, target, true, false, Pictures::maxDecodeBytes);
        QCOMPARE(p.refused, refused);
        QVERIFY(refused || (p.bytes <= Pictures::maxDecodeBytes && p.scaled &&
                            p.asked.width() <= target.width()));
    }
};

QTEST_MAIN(TestPictureHeader)
#include "test_pictureheader.moc"
