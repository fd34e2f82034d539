#include "pictures/exifthumbnail.h"

#include "pictures/exifsegment.h"
#include "pictures/pictureheader.h"
#include "pictures/qtpictures.h"
#include "pictures/transformations.h"
#include "platform/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>

namespace {

// An embedded thumbnail fits in the EXIF segment: a header claiming more pixels than this is
// forged, and decoding it would cost what the thumbnail is meant to save.
constexpr qint64 MaxThumbnailPixels = 1024 * 1024;

// The photo's orientation as its decoder reads it, so that the thumbnail turns as the photo does
// whatever form the tag takes (a count other than one, another type, the thumbnail's IFD).
QImageIOHandler::Transformations photoOrientation(QIODevice& photo) {
    photo.seek(0);
    QImageReader reader(&photo, "jpeg");
    reader.setAutoTransform(true);
    return reader.transformation();
}

// Decoded through the bounded path of every picture; refused from its header when it claims
// more than a thumbnail can be.
QImage decode(const ExifSegment::Data& data, QIODevice& photo) {
    if (!data || !data->data || data->size == 0)
        return {};
    const QByteArray bytes(reinterpret_cast<const char*>(data->data), qsizetype(data->size));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const PictureHeader header = PictureHeader::read(buffer);
    if (header.kind != PictureHeader::Kind::Jpeg || !header.size.isValid() ||
        qint64(header.size.width()) * header.size.height() > MaxThumbnailPixels)
        return {};
    // The thumbnail's own EXIF data, if any, does not count: the photo's orientation does.
    const QImage image = QtPictures().loadData(bytes, "jpeg");
    if (image.isNull())
        return {};
    return applyTransformations(image, photoOrientation(photo));
}

} // namespace

QImage ExifThumbnail::fromFile(const QString& path) {
    if (!isRegularFile(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decode(ExifSegment::read(file), file);
}

QImage ExifThumbnail::fromData(const QByteArray& jpeg) {
    QBuffer photo;
    photo.setData(jpeg);
    photo.open(QIODevice::ReadOnly);
    const ExifSegment::Data data = ExifSegment::read(photo);
    return decode(data, photo);
}
