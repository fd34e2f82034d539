#pragma once

#include <QByteArray>
#include <QImage>

// Encodes an image as a GIF89a file with a fixed 6×7×6 colour cube palette and LZW compression.
QByteArray encodeGif(const QImage& image);
