#pragma once

#include <QImage>
#include <QPoint>

// A part of what a panel shows around its picture, at `at` on a screen of `space`: drawn where
// that place falls in the panel.
struct PhotoPiece {
    QImage image;
    QPoint at;
};
