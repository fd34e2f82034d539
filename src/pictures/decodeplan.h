#pragma once

#include "pictures/heifpictures.h"
#include "pictures/pictureheader.h"

#include <QSize>

// How one picture is decoded within a memory bound: whether the reader is asked for a smaller
// size, which one, and the memory the decode takes at most, reader's buffers included.
struct DecodePlan {
    bool refused = true; // no decode of this picture fits the bound
    bool scaled = false; // ask the reader for `asked`; otherwise it reads the picture whole
    QSize asked;
    qint64 bytes = 0;

    // `target` is the size wanted (at most `stored`, the size in the file), `readerScales`
    // whether the reader takes a scaled size, `transformed` whether an orientation is applied
    // after the decode (a copy).
    static DecodePlan make(const PictureHeader& header, const QSize& stored, const QSize& target,
                           bool readerScales, bool transformed, qint64 bound);
    // What the reader holds besides the pixels whatever size it is asked for (a PNG's texts,
    // profile and EXIF data); past the bound no decode of the picture fits.
    static qint64 besidePixels(const PictureHeader& header);
    // A HEIC/HEIF or AVIF picture, which libheif decodes whole whatever size is wanted: the
    // decoder's frame and libheif's planes (a rotation copies the planes), and beside them, while
    // they are converted, the 8-bit result; then that result scaled to `target` (in the shown
    // orientation), or converted once when it is kept whole.
    static DecodePlan heif(const HeifPictures::Header& header, const QSize& target, qint64 bound);
};
