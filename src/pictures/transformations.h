#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QTransform>

// A picture turned as its reader's transformations say (the EXIF orientation): mirrored, then
// turned a quarter, as Qt's readers apply them.
inline QImage applyTransformations(QImage image, QImageIOHandler::Transformations t) {
    const bool mirror = t.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = t.testFlag(QImageIOHandler::TransformationFlip);
    if (mirror || flip)
        image = std::move(image).mirrored(mirror, flip);
    if (t.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
    return image;
}
