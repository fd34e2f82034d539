#include "pictures/exifthumbnail.h"

#include "pictures/transformations.h"
#include "platform/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>
#include <libexif/exif-utils.h>
#include <memory>

namespace {

// The EXIF data lies in one marker segment of at most 64 KB near the start of the file; a file
// whose first segments are larger holds no thumbnail worth reading.
constexpr qint64 MaxHeadBytes = 256 * 1024;
// An embedded thumbnail fits in that segment: a header claiming more pixels than this is forged,
// and decoding it would cost what the thumbnail is meant to save.
constexpr qint64 MaxThumbnailPixels = 1024 * 1024;

struct LoaderDeleter {
    void operator()(ExifLoader* l) const { exif_loader_unref(l); }
};
struct DataDeleter {
    void operator()(ExifData* d) const { exif_data_unref(d); }
};
using Loader = std::unique_ptr<ExifLoader, LoaderDeleter>;
using Data = std::unique_ptr<ExifData, DataDeleter>;

// The same table as the JPEG decoder's, so that the thumbnail turns as the photo does.
QImageIOHandler::Transformations transformationOf(int orientation) {
    switch (orientation) {
    case 2:
        return QImageIOHandler::TransformationMirror;
    case 3:
        return QImageIOHandler::TransformationRotate180;
    case 4:
        return QImageIOHandler::TransformationFlip;
    case 5:
        return QImageIOHandler::TransformationFlipAndRotate90;
    case 6:
        return QImageIOHandler::TransformationRotate90;
    case 7:
        return QImageIOHandler::TransformationMirrorAndRotate90;
    case 8:
        return QImageIOHandler::TransformationRotate270;
    default:
        return QImageIOHandler::TransformationNone;
    }
}

int orientationOf(ExifData* data) {
    ExifEntry* e = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!e || e->format != EXIF_FORMAT_SHORT || e->components < 1 || !e->data || e->size < 2)
        return 1;
    return exif_get_short(e->data, exif_data_get_byte_order(data));
}

QImage decode(const Data& data) {
    if (!data || !data->data || data->size == 0)
        return {};
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data->data), qsizetype(data->size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    // The thumbnail's own EXIF data, if any, does not count: the photo's orientation does.
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > MaxThumbnailPixels)
        return {};
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return applyTransformations(image, transformationOf(orientationOf(data.get())));
}

// Feeds the loader until it has the EXIF data or knows there is none; `read` gives the next
// bytes, or none at the end.
template <typename Read> Data load(Read read) {
    const Loader loader(exif_loader_new());
    if (!loader)
        return {};
    qint64 total = 0;
    for (;;) {
        QByteArray chunk = read();
        total += chunk.size();
        if (chunk.isEmpty() || total > MaxHeadBytes)
            break;
        if (!exif_loader_write(loader.get(), reinterpret_cast<unsigned char*>(chunk.data()),
                               unsigned(chunk.size())))
            break;
    }
    return Data(exif_loader_get_data(loader.get()));
}

} // namespace

QImage ExifThumbnail::fromFile(const QString& path) {
    if (!isRegularFile(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decode(load([&] { return file.read(8192); }));
}

QImage ExifThumbnail::fromData(const QByteArray& jpeg) {
    bool given = false;
    return decode(load([&] {
        if (given)
            return QByteArray();
        given = true;
        return jpeg.left(MaxHeadBytes);
    }));
}
