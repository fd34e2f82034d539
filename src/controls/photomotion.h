#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

// Where a picture of `size` is drawn inside a panel of `panel`: whole, centred, its aspect
// ratio kept (small pictures are enlarged to fill the panel).
QRect fittedPhotoRect(const QSize& size, const QSize& panel);

// A slow pan and zoom of everything a panel shows: the content grows from `zoomFrom` to
// `zoomTo` times the panel's size (both at least 1) while the part of it in view goes from
// `from` to `to` (0 is the content's left or top edge in view, 1 its right or bottom edge).
// It slows down evenly to a stop at `durationMs`, so that neither its start after a fade nor
// its end shows a jump, and it holds still after that. A null motion holds still at 1.
struct PhotoMotion {
    double zoomFrom = 1;
    double zoomTo = 1;
    QPointF from;
    QPointF to;
    double durationMs = 0;

    bool isNull() const { return durationMs <= 0; }
    // Where the content of a panel of `panel` is drawn `elapsedMs` after the motion began: a
    // rectangle that always covers the panel.
    QRectF frame(const QSizeF& panel, double elapsedMs) const;
};

// Where the picture fitted in the panel is drawn once the panel's content is drawn at `frame`.
QRectF movedRect(const QRectF& fitted, const QSizeF& panel, const QRectF& frame);
