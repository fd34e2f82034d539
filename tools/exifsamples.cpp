#include "samples.h"

#include <QBuffer>
#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <libexif/exif-data.h>
#include <libexif/exif-utils.h>

QByteArray Samples::withExifThumbnail(const QByteArray& jpeg, const QImage& thumbnail,
                                      int orientation, OrientationTag tag) {
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
        exif_content_add_entry(
            data->ifd[tag == OrientationTag::ThumbnailIfd ? EXIF_IFD_1 : EXIF_IFD_0], entry);
        exif_entry_initialize(entry, EXIF_TAG_ORIENTATION);
        if (tag == OrientationTag::TwoShorts || tag == OrientationTag::Long) {
            // Four bytes, freed with the entry by libexif's default allocator.
            entry->data = static_cast<unsigned char*>(std::realloc(entry->data, 4));
            entry->size = 4;
        }
        if (tag == OrientationTag::Long) {
            entry->format = EXIF_FORMAT_LONG;
            exif_set_long(entry->data, order, ExifLong(orientation));
        } else {
            exif_set_short(entry->data, order, ExifShort(orientation));
        }
        if (tag == OrientationTag::TwoShorts) {
            entry->components = 2;
            exif_set_short(entry->data + 2, order, ExifShort(orientation));
        }
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
