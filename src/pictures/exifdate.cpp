#include "pictures/exifdate.h"

#include "pictures/exifsegment.h"
#include "platform/regularfile.h"

#include <QFile>

QDateTime ExifDate::dateTaken(const QString& path) {
    if (!isRegularFile(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const ExifSegment::Data data = ExifSegment::read(file);
    if (!data)
        return {};
    const ExifEntry* e =
        exif_content_get_entry(data->ifd[EXIF_IFD_EXIF], EXIF_TAG_DATE_TIME_ORIGINAL);
    if (!e || e->format != EXIF_FORMAT_ASCII || !e->data || e->size < 19)
        return {};
    const QString texte = QString::fromLatin1(reinterpret_cast<const char*>(e->data), 19);
    return QDateTime::fromString(texte, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}
