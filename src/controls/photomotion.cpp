#include "controls/photomotion.h"

#include <algorithm>

QRect fittedPhotoRect(const QSize& size, const QSize& panel) {
    if (size.isEmpty() || panel.isEmpty())
        return {};
    const QSize s = size.scaled(panel, Qt::KeepAspectRatio);
    return QRect(QPoint((panel.width() - s.width()) / 2, (panel.height() - s.height()) / 2), s);
}

QRectF PhotoMotion::frame(const QSizeF& panel, double elapsedMs) const {
    if (isNull())
        return QRectF(QPointF(), panel);
    const double u = std::clamp(elapsedMs / durationMs, 0.0, 1.0);
    // Eases out: full speed at the start, none at the end.
    const double e = 1 - (1 - u) * (1 - u);
    const double zoom = std::max(1.0, zoomFrom + (zoomTo - zoomFrom) * e);
    const QPointF at = from + (to - from) * e;
    const QSizeF size = panel * zoom;
    const auto place = [](double room, double t) { return -room * std::clamp(t, 0.0, 1.0); };
    return QRectF(QPointF(place(size.width() - panel.width(), at.x()),
                          place(size.height() - panel.height(), at.y())),
                  size);
}

QRectF movedRect(const QRectF& fitted, const QSizeF& panel, const QRectF& frame) {
    if (panel.isEmpty())
        return fitted;
    const double sx = frame.width() / panel.width();
    const double sy = frame.height() / panel.height();
    return QRectF(frame.x() + fitted.x() * sx, frame.y() + fitted.y() * sy, fitted.width() * sx,
                  fitted.height() * sy);
}
