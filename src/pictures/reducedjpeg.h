#pragma once

#include <QImage>
#include <QSize>
#include <optional>

class QIODevice;

// A sequential colour JPEG decoded straight to `size`, smaller than the picture and in its
// stored orientation: the decoder reduces by the halves (1/2, 1/4, 1/8) that keep it at least
// that large, and its rows are averaged into the result as they come (every pixel of the result
// is the mean of the area it covers), so that no picture larger than the result is ever held.
// Nothing for what this path does not read (progressive, grey, CMYK; `size` not smaller):
// the caller's reader takes those. A null image for a picture that fails to decode.
std::optional<QImage> decodeReducedJpeg(QIODevice& file, const QSize& size);
