#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The small picture a camera or phone stores beside the photo in the EXIF data of a JPEG,
// turned by the photo's orientation so that it shows the photo as the photo is shown. Reading
// it costs a few kilobytes of the file and a decode of about 160 × 120 pixels, where the photo
// itself would cost a decode of millions. A file without one, or with one that cannot be
// decoded, gives a null image; so does anything but a regular file, without blocking.
namespace ExifThumbnail {

QImage fromFile(const QString& path);
// The same from the bytes of a JPEG file (or its beginning).
QImage fromData(const QByteArray& jpeg);

} // namespace ExifThumbnail
