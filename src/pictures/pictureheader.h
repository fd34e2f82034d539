#pragma once

#include <QSize>
#include <QtGlobal>

class QIODevice;

// What a picture's header tells about the memory its decode takes, which Qt's readers do not
// say: whether a PNG is interlaced (then decoded whole whatever size is asked) and whether a
// JPEG keeps every coefficient of the picture while it decodes (progressive, or scans that do
// not hold every component), and how large that buffer is; and what a PNG's reader inflates
// and keeps besides the pixels (texts, an ICC profile, EXIF data), which its header does not
// announce either.
struct PictureHeader {
    enum class Kind { Other, Png, Jpeg };

    Kind kind = Kind::Other;
    QSize size;              // as stored; invalid when the header could not be read
    bool interlaced = false; // PNG
    int bitDepth = 8;        // PNG, bits per sample
    // PNG: bytes of its text, ICC profile, EXIF and suggested palette chunks once inflated,
    // counted up to `maxMetadataCounted`: a reader holds each of them several times, so that
    // past it no decode fits the bound, and inflating further would only cost time.
    qint64 metadata = 0;
    bool fullBuffer = false; // JPEG
    qint64 coefficients = 0; // JPEG, bytes of that buffer when it is kept whole
    bool complete = true;    // JPEG: its data reaches the end-of-image marker

    static constexpr qint64 maxMetadataCounted = 64ll * 1024 * 1024;

    // Reads from `device`'s current position (the start of the file); the position moves.
    static PictureHeader read(QIODevice& device);
};
