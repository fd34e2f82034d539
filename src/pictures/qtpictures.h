#pragma once

#include "pictures/pictures.h"

#include <QByteArray>

// The decoders of Qt's image plugins, with the header read first to plan the decode and the
// reduced JPEG decode for large JPEGs, within the memory bound the process's decodes share.
class QtPictures final : public Pictures {
public:
    QImage load(const QString& path) const override;
    QImage loadFitted(const QString& path, const QSize& bound) const override;
    QSize size(const QString& path) const override;
    bool saveBmp(const QImage& image, const QString& path, QString* error) const override;

    // A picture held in memory in `format` ("jpeg"), decoded whole within the same bound (or a
    // null image) and as stored: the orientation its own EXIF data may give is not applied, as
    // for an EXIF thumbnail, which its photo's orientation turns.
    QImage loadData(const QByteArray& bytes, const char* format) const;
};
