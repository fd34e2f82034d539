// Picture loading through the Pictures service, as the show, the preview, the wallpaper and the
// desktop's shared thumbnails use it. The first byte picks the file name's extension (decoders
// are chosen by it first), the bound of the fitted load, and whether the rest is also decoded
// from memory as a JPEG, as an EXIF thumbnail is; the rest is the file. tools/fuzz.sh runs it with
// an allocation limit at the decode bound, so that a decoder taking more is a crash.

#include "fuzzsupport.h"
#include "pictures/pictures.h"
#include "pictures/qtpictures.h"

#include <cstdlib>

namespace {

// What a decode may hold, with room for the row padding of small pictures.
bool dansLaBorne(const QImage& image) {
    return image.sizeInBytes() <= Pictures::maxDecodeBytes + 64 * 1024;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const QString suffixes[] = {QStringLiteral(".jpg"),
                                       QStringLiteral(".png"),
                                       QStringLiteral(".gif"),
                                       QStringLiteral(".bmp"),
                                       QString(),
                                       QStringLiteral(".JPEG"),
                                       QStringLiteral(".tif"),
                                       QStringLiteral(".webp"),
                                       QStringLiteral(".heic"),
                                       QStringLiteral(".avif")};
    const std::uint8_t choix = data[0];
    // The three low bits pick one of the first eight, as they did before HEIC and AVIF came, so
    // that the corpus keeps its meaning; with 0x20, the lowest bit picks HEIC or AVIF.
    const std::size_t extension = (choix & 0x20) ? 8 + (choix & 1) : (choix & 7);
    const QString chemin = FichierFuzz(OctetsFuzz(data + 1, size - 1), suffixes[extension]);
    const QSize borne = (choix & 0x80) ? QSize(1920, 1080) : QSize(160, 120);

    const QtPictures pictures;
    pictures.size(chemin);
    // One decode held at a time, so that the run's memory limit measures one decode.
    if (!dansLaBorne(pictures.load(chemin)))
        std::abort();
    const QImage ajustee = pictures.loadFitted(chemin, borne);
    if (!dansLaBorne(ajustee))
        std::abort();
    if (!ajustee.isNull() && (ajustee.width() > borne.width() || ajustee.height() > borne.height()))
        std::abort();
    if ((choix & 0x40) && !dansLaBorne(pictures.loadData(OctetsFuzz(data + 1, size - 1), "jpeg")))
        std::abort();
    return 0;
}
