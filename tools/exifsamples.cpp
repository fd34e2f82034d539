#include "samples.h"

#include <QBuffer>
#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <libexif/exif-data.h>
#include <libexif/exif-utils.h>

QByteArray Samples::withExifThumbnail(const QByteArray& jpeg, const QImage& thumbnail,
                                      int orientation) {
    if (!jpeg.startsWith("\xFF\xD8"))
        return {};
    QByteArray small;
    QBuffer buffer(&small);
    buffer.open(QIODevice::WriteOnly);
    if (!thumbnail.isNull() && !thumbnail.save(&buffer, "JPEG", 85))
        return {};
    ExifData* data = exif_data_new();
    if (!data)
        return {};
    const ExifByteOrder order = EXIF_BYTE_ORDER_INTEL;
    exif_data_set_byte_order(data, order);
    if (orientation > 0) {
        ExifEntry* entry = exif_entry_new();
        exif_content_add_entry(data->ifd[EXIF_IFD_0], entry);
        exif_entry_initialize(entry, EXIF_TAG_ORIENTATION);
        exif_set_short(entry->data, order, ExifShort(orientation));
        exif_entry_unref(entry);
    }
    if (!small.isEmpty()) {
        // Freed with the EXIF data, by libexif's default allocator.
        data->data = static_cast<unsigned char*>(std::malloc(std::size_t(small.size())));
        std::memcpy(data->data, small.constData(), std::size_t(small.size()));
        data->size = unsigned(small.size());
    }
    unsigned char* saved = nullptr;
    unsigned int length = 0;
    exif_data_save_data(data, &saved, &length);
    exif_data_unref(data);
    QByteArray app1;
    // The segment's length field counts itself and cannot pass 65535.
    if (saved && length > 0 && length + 2 <= 0xFFFF) {
        app1 = QByteArray("\xFF\xE1", 2);
        const quint16 size = qToBigEndian(quint16(length + 2));
        app1.append(reinterpret_cast<const char*>(&size), 2);
        app1.append(reinterpret_cast<const char*>(saved), qsizetype(length));
    }
    std::free(saved);
    if (app1.isEmpty())
        return {};
    return jpeg.left(2) + app1 + jpeg.mid(2);
}
