#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Loading and saving pictures. Every load applies the EXIF orientation. No decode needs more
// memory than `maxDecodeBytes`: a picture whose full decode would be larger comes back scaled
// down when its decoder can scale (JPEG), and as a null image otherwise (BMP, GIF, PNG). An
// empty path, a missing file, anything but a regular file (a folder, a FIFO, a device) or an
// undecodable file gives a null image and an invalid size, without blocking.
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

class QtPictures final : public Pictures {
public:
    QImage load(const QString& path) const override;
    QImage loadFitted(const QString& path, const QSize& bound) const override;
    QSize size(const QString& path) const override;
    bool saveBmp(const QImage& image, const QString& path, QString* error) const override;
};
