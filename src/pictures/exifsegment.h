#pragma once

#include <QIODevice>
#include <libexif/exif-data.h>
#include <memory>

// The EXIF data of a JPEG, which lies in one marker segment of at most 64 KB near the start of
// the file.
namespace ExifSegment {

struct Unref {
    void operator()(ExifData* d) const { exif_data_unref(d); }
};
using Data = std::unique_ptr<ExifData, Unref>;

// Fed from the device's position until the data is whole or known to be missing, reading
// 256 KB at the most: a file whose first segments are larger holds no EXIF data worth reading.
Data read(QIODevice& device);

} // namespace ExifSegment
