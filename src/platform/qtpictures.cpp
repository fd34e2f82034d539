#include "platform/pictures.h"

#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QSaveFile>
#include <cmath>

namespace {

// Only regular files are read: a FIFO would block the reader until another process writes to
// it, and a device may never end.
bool isReadableFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

qint64 decodedBytes(const QSize& size) {
    return qint64(size.width()) * size.height() * 4;
}

bool swapsAxes(QImageReader& reader) {
    return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
}

// Largest size inside `bound` (both in the stored orientation) that keeps the aspect ratio and
// fits the memory bound; never larger than the picture itself.
QSize decodeSize(const QSize& stored, QSize bound) {
    QSize target = stored;
    if (bound.isValid() && (stored.width() > bound.width() || stored.height() > bound.height()))
        target = stored.scaled(bound, Qt::KeepAspectRatio);
    const qint64 bytes = decodedBytes(target);
    if (bytes > Pictures::maxDecodeBytes) {
        const double f = std::sqrt(double(Pictures::maxDecodeBytes) / double(bytes));
        target = QSize(std::max(1, int(target.width() * f)), std::max(1, int(target.height() * f)));
    }
    return target.expandedTo(QSize(1, 1));
}

QImage readScaled(const QString& path, const QSize& bound) {
    if (!isReadableFile(path))
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return {};
    QSize storedBound = bound;
    if (bound.isValid() && swapsAxes(reader))
        storedBound.transpose();
    const QSize target = decodeSize(stored, storedBound);
    // The size checks here keep decodes within memory; Qt's own default limit is the same bound
    // and would refuse a picture right at it.
    reader.setAllocationLimit(int(Pictures::maxDecodeBytes / (1024 * 1024)) + 1);
    if (target == stored)
        return reader.read();
    if (reader.supportsOption(QImageIOHandler::ScaledSize)) {
        // The decoder scales (JPEG in the DCT domain): the full picture never exists in memory.
        // Qt's limit would judge the picture by its full size, so the bound above replaces it.
        reader.setAllocationLimit(0);
        reader.setScaledSize(target);
        return reader.read();
    }
    // Formats without scaled decoding are read whole, then scaled: a picture whose whole decode
    // would exceed the bound is refused.
    if (decodedBytes(stored) > Pictures::maxDecodeBytes)
        return {};
    QImage full = reader.read();
    if (full.isNull())
        return {};
    QSize shown = target;
    if (swapsAxes(reader))
        shown.transpose();
    return full.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage QtPictures::load(const QString& path) const {
    return readScaled(path, QSize());
}

QImage QtPictures::loadFitted(const QString& path, const QSize& bound) const {
    return readScaled(path, bound);
}

QSize QtPictures::size(const QString& path) const {
    if (!isReadableFile(path))
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize s = reader.size();
    if (s.isValid() && swapsAxes(reader))
        s.transpose();
    return s;
}

namespace {

template <typename T> void putLe(QByteArray& out, T value) {
    for (size_t i = 0; i < sizeof(T); ++i)
        out.append(char((quint64(value) >> (8 * i)) & 0xff));
}

// The 54 bytes before the pixels of an uncompressed 24-bit bitmap whose rows run bottom-up.
QByteArray bmpHeader(const QImage& image, quint32 rowBytes) {
    const quint32 pixels = rowBytes * quint32(image.height());
    QByteArray h;
    h.append("BM", 2);
    putLe<quint32>(h, 54 + pixels);
    putLe<quint32>(h, 0);
    putLe<quint32>(h, 54);
    putLe<quint32>(h, 40);
    putLe<qint32>(h, image.width());
    putLe<qint32>(h, image.height());
    putLe<quint16>(h, 1);
    putLe<quint16>(h, 24);
    putLe<quint32>(h, 0); // no compression
    putLe<quint32>(h, pixels);
    putLe<qint32>(h, image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 2835);
    putLe<qint32>(h, image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 2835);
    putLe<quint32>(h, 0);
    putLe<quint32>(h, 0);
    return h;
}

} // namespace

bool QtPictures::saveBmp(const QImage& source, const QString& path, QString* error) const {
    if (source.isNull()) {
        if (error)
            *error = QStringLiteral("image vide");
        return false;
    }
    // Rows are converted one at a time: a wallpaper of 24 megapixels must not need two more
    // full-size copies of itself on the way to the file.
    const bool direct = source.format() == QImage::Format_RGB32 ||
                        source.format() == QImage::Format_ARGB32 ||
                        source.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage image = direct ? source : source.convertToFormat(QImage::Format_RGB32);
    const quint32 rowBytes = (quint32(image.width()) * 3 + 3) & ~3u;
    QSaveFile file(path);
    const auto fail = [&] {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    if (file.write(bmpHeader(image, rowBytes)) != 54)
        return fail();
    QByteArray row(int(rowBytes), '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* out = row.data();
        for (int x = 0; x < image.width(); ++x) {
            *out++ = char(qBlue(in[x]));
            *out++ = char(qGreen(in[x]));
            *out++ = char(qRed(in[x]));
        }
        if (file.write(row) != qint64(rowBytes))
            return fail();
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
