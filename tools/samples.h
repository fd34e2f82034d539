#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class SettingsStore;

// Sample photos made for tests, benchmarks and the demo: landscapes painted in code (sky, sun,
// hills, water, trees, grain), so that decoders and scalers see realistic content.
namespace Samples {

enum class Format { Jpeg, Gif, Bmp };

struct Sample {
    QString name; // file name without extension
    QSize size;
    Format format;
};

QString extension(Format format);

// A landscape of the given size; the seed changes the scene.
QImage paint(const QSize& size, int seed);

// Writes `image` in `format`; GIF pictures are quantised to a fixed palette.
bool write(const QImage& image, const QString& path, Format format);

// The standard set: landscape, portrait and square pictures in the three formats, small and
// medium. `large` adds a 12 and a 24 megapixel JPEG. Returns the full paths written.
QList<Sample> standardSet(bool large);
QStringList writeSet(const QString& folder, const QList<Sample>& samples, int seed = 1);

// How the orientation tag is stored: as cameras write it (one SHORT in the photo's IFD), or in
// the forms some programs write (twice, as a LONG, in the thumbnail's IFD only).
enum class OrientationTag { Short, TwoShorts, Long, ThumbnailIfd };

// `jpeg` (the bytes of a JPEG file) with EXIF data as cameras write it: `thumbnail` stored as
// its embedded JPEG thumbnail (none when null) and the orientation tag (1 to 8; 0: no tag).
// Empty when `jpeg` is no JPEG or the thumbnail does not fit in the EXIF segment.
QByteArray withExifThumbnail(const QByteArray& jpeg, const QImage& thumbnail, int orientation,
                             OrientationTag tag = OrientationTag::Short);
// `jpeg` with EXIF data holding only the date it was taken, as cameras write it
// ("2024:07:12 15:30:00"); empty when `jpeg` is no JPEG.
QByteArray withExifDate(const QByteArray& jpeg, const QByteArray& dateTimeOriginal);

enum class HeifCodec { Hevc, Avif };
// Writes `image` as a HEIC (HEVC) or AVIF file with libheif's encoders. `orientation` (1 to 8,
// as in EXIF) is stored as the file's rotation and mirroring: a reader shows the picture turned
// by it. `thumbnail`, when not null, is stored as the picture's thumbnail, at its own size.
bool writeHeif(const QImage& image, const QString& path, HeifCodec codec, int orientation = 1,
               const QImage& thumbnail = {});

// Stores `paths` as the album's photo list ("Fichier 0", "Fichier 1", ...).
void writeAlbum(SettingsStore& store, const QStringList& paths);

} // namespace Samples
