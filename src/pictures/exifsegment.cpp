#include "pictures/exifsegment.h"

#include <algorithm>
#include <libexif/exif-loader.h>

namespace {

constexpr qint64 MaxHeadBytes = 256 * 1024;

struct LoaderUnref {
    void operator()(ExifLoader* l) const { exif_loader_unref(l); }
};

} // namespace

ExifSegment::Data ExifSegment::read(QIODevice& device) {
    const std::unique_ptr<ExifLoader, LoaderUnref> loader(exif_loader_new());
    if (!loader)
        return {};
    for (qint64 total = 0; total < MaxHeadBytes;) {
        QByteArray chunk = device.read(std::min<qint64>(8192, MaxHeadBytes - total));
        total += chunk.size();
        if (chunk.isEmpty() ||
            !exif_loader_write(loader.get(), reinterpret_cast<unsigned char*>(chunk.data()),
                               unsigned(chunk.size())))
            break;
    }
    return Data(exif_loader_get_data(loader.get()));
}
