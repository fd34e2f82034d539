#include "fichiers.h"
#include "pictures/qtpictures.h"
#include "platform/largebuffers.h"
#include "samples.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>

namespace {

// An APP1 segment whose EXIF data holds only an orientation tag.
QByteArray exifOrientation(quint16 orientation) {
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    tiff += QByteArray("\x01\0", 2);                   // one entry
    tiff += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8); // orientation, SHORT, count 1
    tiff += char(orientation & 0xff);
    tiff += QByteArray("\0\0\0", 3);
    tiff += QByteArray("\0\0\0\0", 4); // no next IFD
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    const quint16 length = quint16(body.size() + 2);
    segment += char(length >> 8);
    segment += char(length & 0xff);
    return segment + body;
}

QByteArray jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QtPictures m_pictures;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() {
        returnLargeBuffersToSystem(); // a fresh large block comes zeroed from the system
        // 200 × 100: red on the left half, blue on the right.
        QImage wide(200, 100, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                wide.setPixel(x, y, qRgb(255, 0, 0));
        QByteArray bytes = jpeg(wide);
        QVERIFY(writeFile(path(QStringLiteral("plain.jpg")), bytes));
        bytes.insert(2, exifOrientation(6)); // right after the start-of-image marker
        QVERIFY(writeFile(path(QStringLiteral("rotated.jpg")), bytes));
        Samples::writeSet(m_dir.path(),
                          {{QStringLiteral("small"), {160, 120}, Samples::Format::Jpeg},
                           {QStringLiteral("big"), {1600, 1067}, Samples::Format::Jpeg},
                           {QStringLiteral("anim"), {300, 400}, Samples::Format::Gif},
                           {QStringLiteral("bitmap"), {1200, 400}, Samples::Format::Bmp}});
    }

    void taillesEtAjustement_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("bound");
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<QSize>("fitted");
        QTest::newRow("simple") << "plain.jpg" << QSize(100, 100) << QSize(200, 100)
                                << QSize(100, 50);
        QTest::newRow("rotation EXIF")
            << "rotated.jpg" << QSize(50, 50) << QSize(100, 200) << QSize(25, 50);
        QTest::newRow("jamais agrandie")
            << "small.jpg" << QSize(1920, 1080) << QSize(160, 120) << QSize(160, 120);
        QTest::newRow("grande JPEG")
            << "big.jpg" << QSize(800, 800) << QSize(1600, 1067) << QSize(800, 533);
        QTest::newRow("GIF") << "anim.gif" << QSize(150, 150) << QSize(300, 400) << QSize(112, 150);
        QTest::newRow("BMP") << "bitmap.bmp" << QSize(600, 600) << QSize(1200, 400)
                             << QSize(600, 200);
    }
    void taillesEtAjustement() {
        QFETCH(QString, file);
        QFETCH(QSize, bound);
        QFETCH(QSize, natural);
        QFETCH(QSize, fitted);
        QCOMPARE(m_pictures.size(path(file)), natural);
        QCOMPARE(m_pictures.load(path(file)).size(), natural);
        const QImage image = m_pictures.loadFitted(path(file), bound);
        QVERIFY(qAbs(image.width() - fitted.width()) <= 1);
        QVERIFY(qAbs(image.height() - fitted.height()) <= 1);
    }

    // Files whose decoder gives a larger picture than the size the reader announces.
    void decodeePlusGrandeQuAnnoncee_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("decoded");
        // Announced as its frame, which fits the bound: read as it is, without scaling.
        const QString small = path(QStringLiteral("small.gif"));
        QVERIFY(Samples::write(Samples::paint(QSize(40, 30), 2), small, Samples::Format::Gif));
        QByteArray gif = readFile(small);
        qToLittleEndian<quint16>(3000, gif.data() + 6); // the screen, wider than the frame
        QTest::newRow("GIF dont l'écran dépasse l'image") << gif << QSize(3000, 30);
    }
    void decodeePlusGrandeQuAnnoncee() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, decoded);
        const QString file = path(QStringLiteral("announced.gif"));
        QVERIFY(writeFile(file, bytes));
        QCOMPARE(m_pictures.load(file).size(), decoded);
        const QSize bound(160, 120);
        const QImage fitted = m_pictures.loadFitted(file, bound);
        QVERIFY(!fitted.isNull());
        QVERIFY2(fitted.width() <= bound.width() && fitted.height() <= bound.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(fitted.width()).arg(fitted.height())));
    }

    // A JPEG loaded smaller than it is gives what the platform's reader gives when asked for
    // that size (each pixel the mean of its area), within rounding, whichever way it is read.
    void jpegReduitCommeLeLecteur_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("bound");
        QTest::newRow("séquentielle") << "sequential" << 0 << 300;
        QTest::newRow("tournée par l'EXIF") << "sequential" << 6 << 300;
        QTest::newRow("retournée par l'EXIF") << "sequential" << 2 << 300;
        QTest::newRow("progressive") << "progressive" << 0 << 300;
        QTest::newRow("gris") << "grey" << 0 << 300;
        // An eighth of the picture still holds more than three rows for each row of the result.
        QTest::newRow("plusieurs lignes par ligne") << "sequential" << 0 << 23;
    }
    void jpegReduitCommeLeLecteur() {
        QFETCH(QString, form);
        QFETCH(int, orientation);
        QFETCH(int, bound);
        QImage source = Samples::paint(QSize(640, 400), 7);
        if (form == u"grey")
            source = source.convertToFormat(QImage::Format_Grayscale8);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(form == u"progressive");
        QVERIFY(writer.write(source));
        if (orientation)
            bytes.insert(2, exifOrientation(quint16(orientation)));
        const QString file = path(QStringLiteral("reduced.jpg"));
        QVERIFY(writeFile(file, bytes));
        const QImage reduced = m_pictures.loadFitted(file, QSize(bound, bound));
        QCOMPARE(qMax(reduced.width(), reduced.height()), bound);
        // The reader is asked for a size in the file's own orientation.
        QImageReader reader(file);
        reader.setAutoTransform(true);
        reader.setScaledSize(orientation >= 5 ? reduced.size().transposed() : reduced.size());
        const QImage expected = reader.read();
        QCOMPARE(reduced.size(), expected.size());
        int worst = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const QRgb a = reduced.pixel(x, y), b = expected.pixel(x, y);
                worst = std::max({worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                                  qAbs(qBlue(a) - qBlue(b))});
            }
        QVERIFY2(worst <= 3, qPrintable(QString::number(worst)));
    }

    // The memory of a large picture let go is taken by the next one, resized, only while at most
    // one other is alive. A block taken again still holds its pixels; a fresh one does not.
    void memoireReprise_data() {
        QTest::addColumn<int>("autres"); // large pictures alive beside the one let go
        QTest::addColumn<bool>("reprise");
        QTest::newRow("seule") << 0 << true;
        QTest::newRow("une autre") << 1 << true;
        QTest::newRow("deux autres") << 2 << false;
    }
    void memoireReprise() {
        QFETCH(int, autres);
        QFETCH(bool, reprise);
        const QSize grande(1024, 1280); // 5 MB; under 4 MB nothing is kept
        std::vector<QImage> vivantes;
        for (int i = 0; i < autres; ++i)
            vivantes.push_back(recyclableImage(grande));
        recyclableImage(grande).fill(qRgb(1, 2, 3));
        const QImage suivante = recyclableImage(QSize(1024, 1100));
        QCOMPARE(suivante.pixel(5, 5) == qRgb(1, 2, 3), reprise);
    }

    void orientationTourneLeContenu() {
        // Turned a quarter clockwise, the red half of the picture is on top.
        const QImage image = m_pictures.load(path(QStringLiteral("rotated.jpg")));
        QVERIFY(qRed(image.pixel(50, 30)) > 200 && qBlue(image.pixel(50, 30)) < 60);
        QVERIFY(qBlue(image.pixel(50, 170)) > 200 && qRed(image.pixel(50, 170)) < 60);
    }

    // Nothing here may block or allocate beyond the bound: a FIFO without a writer would block
    // its reader for ever, a device may never end.
    void fichiersInutilisables_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // written when not null
        QTest::newRow("chemin vide") << QString() << QByteArray();
        QTest::newRow("absente") << "absent.jpg" << QByteArray();
        QTest::newRow("texte") << "text.jpg" << QByteArray("not a picture at all");
        QTest::newRow("fichier vide") << "empty.bmp" << QByteArray("");
        QTest::newRow("dossier") << "folder.jpg" << QByteArray();
        QTest::newRow("FIFO") << "fifo.jpg" << QByteArray();
        QTest::newRow("périphérique") << "/dev/zero" << QByteArray();
    }
    void fichiersInutilisables() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        const QString p = file.isEmpty() ? QString() : path(file);
        if (!content.isNull())
            QVERIFY(writeFile(p, content));
        if (file == u"folder.jpg")
            QVERIFY(QDir().mkpath(p));
        if (file == u"fifo.jpg")
            QCOMPARE(::mkfifo(QFile::encodeName(p).constData(), 0600), 0);
        QVERIFY(m_pictures.load(p).isNull());
        QVERIFY(m_pictures.loadFitted(p, QSize(100, 100)).isNull());
        QVERIFY(!m_pictures.size(p).isValid());
    }

    // JPEG files whose header claims a huge size: the decode stays within the bound, as a
    // reduction the decoder makes itself; a file too short for its claimed size is refused.
    void jpegEnorme_data() {
        QTest::addColumn<int>("claimed");    // pixels per side
        QTest::addColumn<bool>("plausible"); // padded to the length such a picture needs
        QTest::addColumn<QSize>("loaded");   // invalid when refused
        // Decoded at a half it would need 400 MB; at a quarter it fits.
        QTest::newRow("20000, décodée au quart") << 20000 << true << QSize(5000, 5000);
        QTest::newRow("20000 en 3 Ko") << 20000 << false << QSize();
        QTest::newRow("65500 en 3 Ko") << 65500 << false << QSize();
    }
    void jpegEnorme() {
        QFETCH(int, claimed);
        QFETCH(bool, plausible);
        QFETCH(QSize, loaded);
        QByteArray bytes = jpeg(Samples::paint(QSize(64, 64), 3));
        const qsizetype sof = bytes.indexOf(QByteArray("\xff\xc0", 2));
        QVERIFY(sof > 0);
        qToBigEndian<quint16>(quint16(claimed), bytes.data() + sof + 5);
        qToBigEndian<quint16>(quint16(claimed), bytes.data() + sof + 7);
        if (plausible)
            bytes.append(QByteArray(qsizetype(claimed) * claimed / 512, '\0'));
        const QString file = path(QStringLiteral("huge.jpg"));
        QVERIFY(writeFile(file, bytes));
        QCOMPARE(m_pictures.size(file), QSize(claimed, claimed));
        QCOMPARE(m_pictures.load(file).size(), loaded.isValid() ? loaded : QSize(0, 0));
        QCOMPARE(m_pictures.loadFitted(file, QSize(1920, 1080)).isNull(), !loaded.isValid());
    }

    // Its decoder would fill the missing part with grey: a JPEG cut short is unreadable.
    void jpegCoupeIllisible() {
        const QByteArray bytes = jpeg(Samples::paint(QSize(320, 240), 4));
        const QString file = path(QStringLiteral("cut.jpg"));
        QVERIFY(writeFile(file, bytes.left(bytes.size() * 2 / 3)));
        QVERIFY(m_pictures.load(file).isNull());
        QVERIFY(m_pictures.loadFitted(file, QSize(100, 100)).isNull());
    }

    // A bitmap that claims 15000 × 15000 pixels (900 MB decoded): its decoder cannot scale, so
    // it is refused instead of being decoded whole.
    void bmpEnormeRefuse() {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(Samples::paint(QSize(64, 64), 3).save(&buffer, "BMP"));
        qToLittleEndian<qint32>(15000, bytes.data() + 18);
        qToLittleEndian<qint32>(15000, bytes.data() + 22);
        QVERIFY(writeFile(path(QStringLiteral("huge.bmp")), bytes));
        QCOMPARE(m_pictures.size(path(QStringLiteral("huge.bmp"))), QSize(15000, 15000));
        QVERIFY(m_pictures.load(path(QStringLiteral("huge.bmp"))).isNull());
        QVERIFY(m_pictures.loadFitted(path(QStringLiteral("huge.bmp")), QSize(300, 300)).isNull());
    }

    void bmpEnregistreEn24Bits() {
        const QString out = path(QStringLiteral("LMV.bmp"));
        QString error;
        QVERIFY(m_pictures.saveBmp(m_pictures.load(path(QStringLiteral("big.jpg"))), out, &error));
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray header = f.read(54);
        QCOMPARE(header.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), quint16(24));
        QCOMPARE(qFromLittleEndian<qint32>(header.constData() + 18), 1600);
        QCOMPARE(QImage(out).size(), QSize(1600, 1067));
    }

    void echecGardeLAncienFichier() {
        const QString out = path(QStringLiteral("keep.bmp"));
        QVERIFY(
            m_pictures.saveBmp(m_pictures.load(path(QStringLiteral("small.jpg"))), out, nullptr));
        const QByteArray before = [&] {
            QFile f(out);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QString error;
        QVERIFY(!m_pictures.saveBmp(QImage(), out, &error));
        QVERIFY(!error.isEmpty());
        // A folder that cannot exist: its parent is a file.
        QVERIFY(
            !m_pictures.saveBmp(m_pictures.load(out), out + QStringLiteral("/LMV.bmp"), &error));
        // A disk that takes only part of a small bitmap: its bytes fail at the buffer's flush.
        QVERIFY(!limiteEcriture(100, [&] {
            return m_pictures.saveBmp(QImage(8, 8, QImage::Format_RGB32), out, &error);
        }));
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
