#pragma once

#include "pictures/pictures.h"

#include <QSemaphore>

// The decoders of Qt's image plugins, with the header read first to plan the decode, the
// reduced JPEG decode for large JPEGs and the memory bound shared by the decodes under way.
class QtPictures final : public Pictures {
public:
    QImage load(const QString& path) const override;
    QImage loadFitted(const QString& path, const QSize& bound) const override;
    QSize size(const QString& path) const override;
    bool saveBmp(const QImage& image, const QString& path, QString* error) const override;

private:
    // The bound in MiB, taken by each decode for as long as it runs.
    mutable QSemaphore m_budget{int(maxDecodeBytes / (1024 * 1024))};
};
