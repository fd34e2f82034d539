#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// HEIC/HEIF and AVIF photos (the phones' formats), read with libheif and the decoders Debian
// builds it with. A picture comes in the orientation it is shown in: the decoder applies the
// file's own rotation and mirroring; such a file's EXIF orientation tag is not applied again.
namespace HeifPictures {

// Whether `head`, the first bytes of a file (at least 12), starts a HEIF or AVIF file.
bool recognises(const QByteArray& head);

struct Header {
    QSize size;         // as shown
    int planeBytes = 3; // bytes per pixel of the decoder's planes, at their bit depth
    bool alpha = false;
};
// Reads only the boxes that describe the primary picture (DecodePlan::heif plans its decode);
// nothing when the file is no HEIF file, is damaged, or holds no picture that can be decoded.
std::optional<Header> readHeader(const QString& path);

// The primary picture at `target` (its proportions kept by the caller; an invalid size for the
// whole picture), in Format_RGB32, or ARGB32_Premultiplied with an alpha channel. A thumbnail
// stored in the file is decoded instead when it is at least `target` and of the picture's
// proportions. Null when the file cannot be decoded.
QImage decode(const QString& path, const QSize& target);

} // namespace HeifPictures
