#include "pictures/exifdate.h"

#include <QFile>
#include <QFileInfo>
#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>
#include <memory>

namespace {

// The EXIF data lies in one marker segment near the start of the file.
constexpr qint64 MaxHeadBytes = 256 * 1024;

struct LoaderDeleter {
    void operator()(ExifLoader* l) const { exif_loader_unref(l); }
};
struct DataDeleter {
    void operator()(ExifData* d) const { exif_data_unref(d); }
};

} // namespace

QDateTime ExifDate::dateTaken(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::unique_ptr<ExifLoader, LoaderDeleter> loader(exif_loader_new());
    if (!loader)
        return {};
    for (qint64 total = 0; total < MaxHeadBytes;) {
        QByteArray chunk = file.read(8192);
        total += chunk.size();
        if (chunk.isEmpty() ||
            !exif_loader_write(loader.get(), reinterpret_cast<unsigned char*>(chunk.data()),
                               unsigned(chunk.size())))
            break;
    }
    const std::unique_ptr<ExifData, DataDeleter> data(exif_loader_get_data(loader.get()));
    if (!data)
        return {};
    const ExifEntry* e =
        exif_content_get_entry(data->ifd[EXIF_IFD_EXIF], EXIF_TAG_DATE_TIME_ORIGINAL);
    if (!e || e->format != EXIF_FORMAT_ASCII || !e->data || e->size < 19)
        return {};
    const QString texte = QString::fromLatin1(reinterpret_cast<const char*>(e->data), 19);
    return QDateTime::fromString(texte, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}
