// The EXIF thumbnail of a JPEG, as the thumbnail build reads it: libexif finds the EXIF data and
// the thumbnail in it, Qt decodes the thumbnail, and the photo's orientation turns it.

#include "fuzzsupport.h"
#include "pictures/exifthumbnail.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray octets = OctetsFuzz(data, size);
    const QImage enMemoire = ExifThumbnail::fromData(octets);
    const QImage lue = ExifThumbnail::fromFile(FichierFuzz(octets, QStringLiteral(".jpg")));
    // Both ways read the same thumbnail; and a thumbnail is small, whatever its header says.
    if (enMemoire.size() != lue.size() || enMemoire.sizeInBytes() > 8 * 1024 * 1024)
        std::abort();
    return 0;
}
