#include "samples.h"

#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <libexif/exif-data.h>

QByteArray Samples::withExifDate(const QByteArray& jpeg, const QByteArray& dateTimeOriginal) {
    if (!jpeg.startsWith("\xFF\xD8"))
        return {};
    ExifData* data = exif_data_new();
    if (!data)
        return {};
    exif_data_set_byte_order(data, EXIF_BYTE_ORDER_INTEL);
    ExifEntry* entry = exif_entry_new();
    exif_content_add_entry(data->ifd[EXIF_IFD_EXIF], entry);
    // Freed with the entry, by libexif's default allocator.
    const QByteArray text = dateTimeOriginal + '\0';
    entry->tag = EXIF_TAG_DATE_TIME_ORIGINAL;
    entry->format = EXIF_FORMAT_ASCII;
    entry->components = unsigned(text.size());
    entry->size = unsigned(text.size());
    entry->data = static_cast<unsigned char*>(std::malloc(std::size_t(text.size())));
    std::memcpy(entry->data, text.constData(), std::size_t(text.size()));
    exif_entry_unref(entry);
    unsigned char* saved = nullptr;
    unsigned int length = 0;
    exif_data_save_data(data, &saved, &length);
    exif_data_unref(data);
    QByteArray app1;
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
