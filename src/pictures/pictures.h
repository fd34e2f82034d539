#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Loading and saving pictures. Every load applies the EXIF orientation. No decode needs more
// memory than `maxDecodeBytes`, reader's buffers and what it keeps besides the pixels (a PNG's
// texts) included, and the decodes of the process that run together share that bound, whichever
// service makes them: a picture whose decode would be larger comes back scaled down
// when its decoder can scale within the bound (JPEG, non-interlaced PNG), and as a null image
// otherwise (an interlaced PNG or a progressive JPEG too large, BMP, GIF). A JPEG whose data
// ends early is unreadable too. An empty path, a missing file, anything but a regular file (a
// folder, a FIFO, a device) or an undecodable file gives a null image and an invalid size, without
// blocking.
class Pictures {
public:
    static constexpr qint64 maxDecodeBytes = 256ll * 1024 * 1024;

    virtual ~Pictures() = default;
    // The whole picture (scaled down only when it would exceed the memory bound).
    virtual QImage load(const QString& path) const = 0;
    // The picture scaled to fit inside `bound` with its aspect ratio kept, never enlarged; the
    // decoder does the scaling, so a large JPEG is never decoded at full size.
    virtual QImage loadFitted(const QString& path, const QSize& bound) const = 0;
    // Size of the picture as shown (orientation applied), or an invalid size.
    virtual QSize size(const QString& path) const = 0;
    // Writes a 24-bit Windows bitmap; the file is replaced only once it is complete.
    virtual bool saveBmp(const QImage& image, const QString& path,
                         QString* error = nullptr) const = 0;
};
