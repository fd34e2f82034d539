#pragma once

#include <QRect>
#include <QWidget>
#include <QtMath>

// Screens are laid out in twips (1/1440 inch); a widget stands at twips / 15 logical pixels.
namespace Twips {

inline constexpr double ParPixel = 15.0;

inline int pixels(double twips) {
    return qRound(twips / ParPixel);
}

inline QRect rect(double left, double top, double width, double height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

inline void placer(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(rect(left, top, width, height));
}

inline void placer(QWidget* w, const QRectF& twips) {
    placer(w, twips.left(), twips.top(), twips.width(), twips.height());
}

// A rectangle of logical pixels in twips.
inline QRectF depuisPixels(const QRect& r) {
    return QRectF(r.x() * ParPixel, r.y() * ParPixel, r.width() * ParPixel, r.height() * ParPixel);
}

// Keeps the widget's size and moves it.
inline void deplacer(QWidget* w, double left, double top) {
    w->move(pixels(left), pixels(top));
}

} // namespace Twips
