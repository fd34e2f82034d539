#pragma once

#include <QDateTime>
#include <QString>

// When a photo was taken, as its camera wrote it in the EXIF data (DateTimeOriginal): read
// from the first few kilobytes of the file. Invalid when the file has no EXIF data, no such
// date, or one that is not a date ("0000:00:00 00:00:00", blanks); anything but a regular
// file gives an invalid date too, without blocking.
namespace ExifDate {

QDateTime dateTaken(const QString& path);

} // namespace ExifDate
