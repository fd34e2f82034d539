#include "pictures/exifthumbnail.h"

#include "pictures/pictureheader.h"
#include "pictures/qtpictures.h"
#include "pictures/transformations.h"
#include "platform/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>
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
QImage decode(const Data& data, QIODevice& photo) {
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
    return decode(load([&] { return file.read(8192); }), file);
}

QImage ExifThumbnail::fromData(const QByteArray& jpeg) {
    bool given = false;
    const Data data = load([&] {
        if (given)
            return QByteArray();
        given = true;
        return jpeg.left(MaxHeadBytes);
    });
    QBuffer photo;
    photo.setData(jpeg);
    photo.open(QIODevice::ReadOnly);
    return decode(data, photo);
}
