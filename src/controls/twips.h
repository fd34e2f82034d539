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

// Keeps the widget's size and moves it.
inline void deplacer(QWidget* w, double left, double top) {
    w->move(pixels(left), pixels(top));
}

} // namespace Twips
