#include "platform/pictures.h"

#include <QImageIOHandler>
#include <QImageReader>
#include <QSaveFile>
#include <cmath>

namespace {

// Size of the picture as stored, before orientation.
QSize storedSize(QImageReader& reader) {
    return reader.size();
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
    const qint64 bytes = qint64(target.width()) * target.height() * 4;
    if (bytes > Pictures::maxDecodeBytes) {
        const double f = std::sqrt(double(Pictures::maxDecodeBytes) / double(bytes));
        target = QSize(std::max(1, int(target.width() * f)), std::max(1, int(target.height() * f)));
    }
    return target.expandedTo(QSize(1, 1));
}

QImage readScaled(const QString& path, const QSize& bound) {
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = storedSize(reader);
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
    // Formats without scaled decoding are read whole, then scaled; past a hard ceiling the
    // picture is refused rather than risk the machine's memory.
    if (qint64(stored.width()) * stored.height() * 4 > Pictures::maxFullDecodeBytes)
        return {};
    reader.setAllocationLimit(int(Pictures::maxFullDecodeBytes / (1024 * 1024)) + 1);
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
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize s = reader.size();
    if (s.isValid() && swapsAxes(reader))
        s.transpose();
    return s;
}

bool QtPictures::saveBmp(const QImage& image, const QString& path, QString* error) const {
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("image vide");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // 24 bits per pixel: the form every reader of Windows bitmaps accepts.
    if (!image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP")) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
